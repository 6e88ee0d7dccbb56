#pragma once

#include <QDialog>

namespace tb {

class Program;

class frmeditsonglist final : public QDialog
{
    Q_OBJECT
public:
    explicit frmeditsonglist(Program &program, QWidget *parent = nullptr);

private:
    Program &program_;
};

} // namespace tb
