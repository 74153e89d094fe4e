#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "jpeg_dialog.h"
#include "parameter_set.h"

namespace zarvo {
namespace {

class JpegDialogTest : public ::testing::Test {
protected:
    ParameterSet ps;
    TJPGUnit dialog{ps};
    QSpinBox* quality() { return dialog.findChild<QSpinBox*>("JpegQuality"); }
    QCheckBox* progressive() { return dialog.findChild<QCheckBox*>("ProgressiveBox"); }
    void clickOK() { QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton); }
};

TEST_F(JpegDialogTest, OnlyOKChangesTheSettings) {
    ps.jpegQuality = 85;
    ps.jpegProgressive = flagOn;
    dialog.toggle();
    EXPECT_EQ(quality()->value(), 85);
    EXPECT_TRUE(progressive()->isChecked());

    quality()->setValue(20);
    progressive()->setChecked(false);
    dialog.reject();  // closed without OK
    EXPECT_EQ(ps.jpegQuality, 85);
    EXPECT_EQ(ps.jpegProgressive, flagOn);

    dialog.toggle();  // shows the stored settings again
    EXPECT_EQ(quality()->value(), 85);
    EXPECT_TRUE(progressive()->isChecked());
    quality()->setValue(20);
    progressive()->setChecked(false);
    dialog.toggle();  // hidden by its command: no change either
    EXPECT_EQ(ps.jpegQuality, 85);

    dialog.toggle();
    quality()->setValue(1);
    progressive()->setChecked(false);
    clickOK();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ps.jpegQuality, 1);
    EXPECT_EQ(ps.jpegProgressive, 0);

    dialog.toggle();
    progressive()->setChecked(true);
    QTest::keyClick(quality(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(quality(), "150");
    // The quality had to be limited: OK shows it first, with the note.
    clickOK();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(quality()->text(), "100");
    EXPECT_EQ(ps.jpegQuality, 1);
    clickOK();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ps.jpegQuality, 100);
    EXPECT_EQ(ps.jpegProgressive, -1);
}

TEST_F(JpegDialogTest, QualityStaysWithinOneToHundred) {
    EXPECT_EQ(quality()->minimum(), 1);
    EXPECT_EQ(quality()->maximum(), 100);
    ps.jpegQuality = 0;
    dialog.toggle();
    EXPECT_EQ(quality()->value(), 1);
    quality()->setValue(250);
    clickOK();
    EXPECT_EQ(ps.jpegQuality, 100);
}

}  // namespace
}  // namespace zarvo
