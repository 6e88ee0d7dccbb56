#pragma once

#include <QDialog>

namespace tb {

class Program;

class frmeditfile final : public QDialog
{
    Q_OBJECT
public:
    explicit frmeditfile(Program &program, QWidget *parent = nullptr);

private:
    Program &program_;
};

} // namespace tb
