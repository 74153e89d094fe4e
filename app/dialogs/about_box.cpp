#include "about_box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "link_panel.h"

namespace zarvo {

const char* const TAboutBox::projectAddress = "https://www.example.org/zarvo/";

namespace {

const QColor teal(0x00, 0x80, 0x80);

QLabel* panelText(QWidget* parent, const QString& text, int pointSizeDelta, bool bold, const QColor& colour) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setPointSize(f.pointSize() + pointSizeDelta);
    f.setBold(bold);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void fill(QWidget* w, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : ToolDialog(QStringLiteral("About"), parent) {
    setObjectName(QStringLiteral("AboutBox"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    fill(panel, teal);

    QLabel* title = panelText(panel, QStringLiteral("z a r v o _ v0.1"), 8, true, Qt::white);
    title->setObjectName(QStringLiteral("ProductName"));
    QLabel* kind = panelText(panel, QStringLiteral("Fractal explorer"), 0, false, QColor(0xd8, 0xf0, 0xf0));
    QLabel* author = panelText(panel, QStringLiteral("zarvo developers"), 0, false, Qt::white);
    author->setObjectName(QStringLiteral("Copyright"));

    link_ = new LinkPanel(QUrl(QString::fromLatin1(projectAddress)), QStringLiteral("www.example.org/zarvo"), panel);
    link_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    link_->setMargin(6);
    fill(link_, teal);  // silver, white and maroon all read on it

    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(24, 18, 24, 18);
    inner->setSpacing(6);
    inner->addWidget(title);
    inner->addWidget(kind);
    inner->addSpacing(10);
    inner->addWidget(author);
    inner->addSpacing(6);
    inner->addWidget(link_);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    HelpButton = new QPushButton(QStringLiteral("Help"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    connect(OKButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(HelpButton, &QPushButton::clicked, this, &TAboutBox::helpRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(HelpButton);
    buttons->addStretch();

    auto* top = new QVBoxLayout(this);
    top->addWidget(panel);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
    panel->setMinimumWidth(300);
}

void TAboutBox::beforeShow() {
    adjustSize();
    const QScreen* s = screen();
    if (!s) return;
    QRect r = frameGeometry();
    r.moveCenter(s->availableGeometry().center());
    move(r.topLeft());
}

}  // namespace zarvo
