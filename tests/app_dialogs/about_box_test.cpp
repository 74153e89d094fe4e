#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "about_box.h"
#include "link_panel.h"

namespace zarvo {
namespace {

TEST(AboutBoxTest, ShowsTitleCentredAndButtonsWork) {
    TAboutBox box;
    QSignalSpy help(&box, &TAboutBox::helpRequested);
    box.toggle();
    ASSERT_TRUE(box.isVisible());
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.findChild<QLabel*>("ProductName")->text(), "z a r v o _ v0.1");
    const QPoint screenCentre = box.screen()->availableGeometry().center();
    EXPECT_LE((box.frameGeometry().center() - screenCentre).manhattanLength(), 4);

    QTest::mouseClick(box.findChild<QPushButton*>("HelpButton"), Qt::LeftButton);
    EXPECT_EQ(help.count(), 1);
    QTest::mouseClick(box.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}

TEST(AboutBoxTest, LinkHoverLeaveAndClick) {
    TAboutBox box;
    LinkPanel* link = box.linkPanel();
    QList<QUrl> opened;
    link->openUrl = [&](const QUrl& u) {
        opened << u;
        return true;
    };
    box.toggle();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(link->look(), LinkPanel::Look::Idle);

    QTest::mouseMove(link, link->rect().center());
    EXPECT_EQ(link->look(), LinkPanel::Look::Hover);
    EXPECT_TRUE(link->capturing());
    EXPECT_TRUE(link->font().underline());

    QTest::mouseMove(link, QPoint(link->width() + 20, link->height() + 20));
    EXPECT_EQ(link->look(), LinkPanel::Look::Idle);
    EXPECT_FALSE(link->capturing());
    EXPECT_FALSE(link->font().underline());
    EXPECT_TRUE(link->font().bold());

    QTest::mouseMove(link, link->rect().center());
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl(TAboutBox::projectAddress));
    EXPECT_EQ(opened[0].host(), "www.example.org");
    EXPECT_EQ(link->look(), LinkPanel::Look::Visited);
    EXPECT_FALSE(link->capturing());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
}

}  // namespace
}  // namespace zarvo
