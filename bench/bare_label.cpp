// The floor the comparison measures Tallybell against: the least a Qt 6 Widgets program can
// do that shows a countdown. One window of 600x500 holding one label in a 48-point font,
// whose text changes once a second. Nothing else: no menu, no icon, no bus, no sound.
//
// Usage: bare-label [--idle]
//   --idle   shows the label and never changes it (no timer runs)
// It counts down from 30:00, as the other programs of the comparison do.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QTimer>

#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool idle = argc > 1 && std::strcmp(argv[1], "--idle") == 0;

    QLabel label;
    label.setWindowTitle(QStringLiteral("Bare label"));
    QFont font = label.font();
    font.setPointSize(48);
    label.setFont(font);
    label.setAlignment(Qt::AlignCenter);
    label.resize(600, 500);

    int left = 30 * 60;
    const auto show = [&label, &left] {
        label.setText(QStringLiteral("%1:%2")
                          .arg(left / 60, 2, 10, QLatin1Char('0'))
                          .arg(left % 60, 2, 10, QLatin1Char('0')));
    };
    show();

    QTimer tick;
    tick.setInterval(1000);
    QObject::connect(&tick, &QTimer::timeout, &label, [&left, &show] {
        if (left > 0)
            --left;
        show();
    });
    label.show();
    if (!idle)
        tick.start();
    return QApplication::exec();
}
