#include "platform/qt/HelpWindow.h"

#include "platform/qt/QtHelp.h"
#include "tallybell/Version.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace tb {

namespace {

// Room left between the help window and the window it is placed beside.
constexpr int kGap = 8;

// A browser that takes a page or style sheet missing from a translation from the English help.
class HelpBrowser final : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        return QTextBrowser::loadResource(type, QtHelp::existing(name));
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), browser_(new HelpBrowser(this)), notice_(new QLabel(this)),
      back_(new QPushButton(tr("&Back"), this)), forward_(new QPushButton(tr("&Forward"), this)),
      home_(new QPushButton(tr("&Home"), this)), contents_(new QPushButton(tr("&Contents"), this))
{
    setObjectName(QStringLiteral("helpWindow"));
    // An open help window does not keep the program running once the main window is gone.
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    notice_->setObjectName(QStringLiteral("helpNotice"));
    back_->setObjectName(QStringLiteral("helpBack"));
    forward_->setObjectName(QStringLiteral("helpForward"));
    home_->setObjectName(QStringLiteral("helpHome"));
    contents_->setObjectName(QStringLiteral("helpContents"));

    back_->setToolTip(tr("Go back to the page you saw before (Alt+Left)"));
    forward_->setToolTip(tr("Go forward again (Alt+Right)"));
    home_->setToolTip(tr("Go to the first page this help window showed"));
    contents_->setToolTip(tr("Show the list of all help pages"));
    for (QPushButton *button : {back_, forward_, home_, contents_})
        button->setAutoDefault(false);

    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({QStringLiteral(":/help")});
    notice_->setWordWrap(true);
    notice_->setTextFormat(Qt::PlainText);
    notice_->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(home_);
    buttons->addWidget(contents_);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(notice_);
    layout->addWidget(browser_, 1);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(contents_, &QPushButton::clicked, this, [this] { showPage(QtHelp::contentsPage()); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        notice_->hide();
        notice_->clear();
    });

    auto *goBack = new QShortcut(QKeySequence::Back, this);
    connect(goBack, &QShortcut::activated, browser_, &QTextBrowser::backward);
    auto *goForward = new QShortcut(QKeySequence::Forward, this);
    connect(goForward, &QShortcut::activated, browser_, &QTextBrowser::forward);
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    setWindowTitle(QString::fromUtf8(version::kProductName) + tr(" Help"));
    resize(680, 560);
}

void HelpWindow::showPage(const QUrl &page, const QString &notice)
{
    if (browser_->source() == page)
        browser_->reload();
    else
        browser_->setSource(page);
    // Set after the page change, which clears any earlier notice.
    notice_->setText(notice);
    notice_->setVisible(!notice.isEmpty());
}

QUrl HelpWindow::currentPage() const
{
    return browser_->source();
}

QString HelpWindow::notice() const
{
    return notice_->isVisible() ? notice_->text() : QString();
}

QRect HelpWindow::besideRect(const QRect &anchor, QSize frame, const QRect &available)
{
    frame = frame.boundedTo(available.size());
    const int roomRight = available.right() - anchor.right() - kGap;
    const int roomLeft = anchor.left() - available.left() - kGap;
    int x = 0;
    if (roomRight >= frame.width())
        x = anchor.right() + 1 + kGap;
    else if (roomLeft >= frame.width())
        x = anchor.left() - kGap - frame.width();
    else if (roomRight >= roomLeft)
        x = available.right() + 1 - frame.width();
    else
        x = available.left();
    const int y
        = std::clamp(anchor.top(), available.top(), available.bottom() + 1 - frame.height());
    return {QPoint(x, y), frame};
}

void HelpWindow::placeBeside(const QWidget *anchor)
{
    const QScreen *screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // Until it is first shown a window knows nothing of the frame the window manager will
    // give it: take that of the anchor, which gets the same kind of frame.
    QSize margins;
    if (isVisible())
        margins = frameGeometry().size() - size();
    else if (anchor)
        margins = anchor->frameGeometry().size() - anchor->size();
    QRect place;
    if (anchor) {
        place = besideRect(anchor->frameGeometry(), size() + margins, available);
    } else {
        place = QRect(QPoint(), (size() + margins).boundedTo(available.size()));
        place.moveCenter(available.center());
    }
    if (place.size() != size() + margins)
        resize(place.size() - margins);
    move(place.topLeft());
}

} // namespace tb
