#pragma once

#include "forms/Form.h"

namespace tb {

// The splash's texts. It stays up kShowSeconds unless a key or a click ends it early.
class SplashForm final : public Form
{
public:
    static constexpr int kShowSeconds = 3;

    void Form_Load();
};

} // namespace tb
