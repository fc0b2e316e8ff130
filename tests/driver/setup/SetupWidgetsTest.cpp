// The setup dialog, the tray icon and the wizard windows on the offscreen
// platform: each opens, shows the state it is given and forwards a click.
#include "driver/ui/QtDriverWindows.h"
#include "driver/ui/SetupDialog.h"
#include "driver/ui/SetupTrayIcon.h"
#include "driver/ui/wizards/AutoCalibrateDialog.h"
#include "driver/ui/wizards/ScaleCalibrateDialog.h"
#include "tests/driver/setup/SetupFixture.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace qlx;
using namespace qlx::test;

class SetupWidgetsTest : public SetupFixture {
protected:
    template <typename T = QWidget>
    static T* child(const QWidget& parent, const QString& name)
    {
        T* found = parent.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static QString labelText(const QWidget& parent, const QString& name)
    {
        const QLabel* label = child<QLabel>(parent, name);
        return label ? label->text() : QString();
    }
    // The button with this caption on the wizard's page shown.
    static QPushButton* pageButton(const driver::WizardDialog& dialog, const QString& caption)
    {
        const QWidget* page = dialog.page(dialog.currentPageName());
        for (QPushButton* b : page ? page->findChildren<QPushButton*>() : QList<QPushButton*>{})
            if (b->text() == caption)
                return b;
        ADD_FAILURE() << "no button " << caption.toStdString() << " on " << dialog.currentPageName().toStdString();
        return nullptr;
    }
};

TEST_F(SetupWidgetsTest, SetupDialogShowsTheDriverStateAndForwardsClicks)
{
    driver::SetupDialog dialog(*qlx);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "QLX Setup x86");
    EXPECT_GE(dialog.width(), 365);
    EXPECT_GE(dialog.height(), 531);
    EXPECT_EQ(labelText(dialog, "LoadThres"), "50");
    EXPECT_EQ(labelText(dialog, "TestDistance"), "10.0");
    EXPECT_EQ(labelText(dialog, "TestMass"), "500");
    EXPECT_TRUE(child(dialog, "ScaleGroup")->isVisible()); // a 7.21 has a scale
    EXPECT_TRUE(child(dialog, "TransparentButton7")->isVisible());
    EXPECT_EQ(child<QPlainTextEdit>(dialog, "Memo1")->toPlainText(),
              "QLX version: 7.21, RV-31\nQLX Interface: 11.8.18\nNov  5 2019");
    EXPECT_EQ(child(dialog, "Label3")->toolTip(), configPath());

    child<QToolButton>(dialog, "TriggerScrollUp")->click();
    EXPECT_EQ(takeCommands(), QByteArrayList{"o60T"});
    EXPECT_EQ(labelText(dialog, "LoadThres"), "60");

    QTest::mouseClick(child(dialog, "MaxVel"), Qt::LeftButton);
    ASSERT_EQ(messages->count(), 1);
    EXPECT_EQ(messages->shown()[0].caption, "Not an edit box");

    child<QAbstractButton>(dialog, "ShutDown")->click();
    EXPECT_EQ(takeCommands(), QByteArrayList{"oP"});

    serial->deliver("\x4c@#");
    EXPECT_FALSE(child(dialog, "StatusBar1")->grab().isNull());
}

TEST_F(SetupWidgetsTest, ClosingTheSetupDialogAsksAndWritesOnTheWayOut)
{
    driver::QtDriverWindows windows(*qlx, nullptr);
    driver::SetupDialog& dialog = windows.setupDialog();
    dialog.show();
    child<QToolButton>(dialog, "MeasureSpeedScrollDown")->click();
    takeCommands();

    messages->scriptAnswer(MessageAnswer::Cancel);
    dialog.close(); // the title bar's button asks like Close
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages->count(), 1);
    EXPECT_EQ(messages->shown()[0].caption, "WARNING: Changes not saved");

    messages->scriptAnswer(MessageAnswer::No);
    child<QAbstractButton>(dialog, "TransparentButton4")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(takeCommands(), QByteArrayList{"A"}); // FormClose after a motion setting
}

TEST_F(SetupWidgetsTest, TrayIconFollowsTheLinkAndItsMenuForwards)
{
    driver::SetupTrayIcon tray(*qlx);
    EXPECT_EQ(tray.icon()->toolTip(), "QLX interface installed, QLX responding and logged in");
    EXPECT_FALSE(tray.icon()->icon().isNull());

    const QList<QAction*> items = tray.popupMenu()->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), "QLX &Setup");
    EXPECT_EQ(items[1]->text(), "&Graph Visible");
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3]->text(), "Calibration");
    QStringList calibration;
    for (const QAction* a : items[3]->menu()->actions())
        calibration.append(a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(calibration,
              (QStringList{"Verify Probe Calibration", "-", "Calibrate EFM", "Calibrate Probe", "Calibrate SCALE"}));

    items[1]->trigger();
    QApplication::processEvents();
    EXPECT_EQ(windows.graphShown, 1);

    qlx->CloseSerialPort();
    qlx->UpdateTrayIcon();
    EXPECT_EQ(tray.icon()->toolTip(), "Serial port not available");
}

TEST_F(SetupWidgetsTest, ProbeWizardWindowShowsItsPagesAndForwards)
{
    driver::TAutoCalibrate wizard(qlx.get());
    wizard.SpinEdit1.set(1000);
    driver::AutoCalibrateDialog dialog(*qlx, wizard);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.windowTitle(), "Auto Calibration");
    EXPECT_EQ(dialog.currentPageName(), "TabSheet5");
    EXPECT_EQ(labelText(dialog, "SpinEdit1"), "1000");
    child<QToolButton>(dialog, "UpDown1Up")->click();
    EXPECT_EQ(labelText(dialog, "SpinEdit1"), "1050");
    takeCommands();

    pageButton(dialog, "Continue")->click();
    EXPECT_EQ(dialog.currentPageName(), "TabSheet1");
    EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "1050E"}));

    child<QPushButton>(dialog, "CancelButton")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "L"}));
}

TEST_F(SetupWidgetsTest, ScaleWizardWindowShowsTheGauges)
{
    driver::TForm4 wizard(qlx.get());
    driver::ScaleCalibrateDialog dialog(*qlx, wizard);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Scale Calibration ");
    EXPECT_EQ(dialog.currentPageName(), "TabSheet4");
    pageButton(dialog, "Continue")->click();
    pageButton(dialog, "OK")->click();
    EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "50E", "oa"}));
    auto* stage1 = child<QProgressBar>(dialog, "CGauge2");
    EXPECT_TRUE(stage1->isVisible());

    qlx->ScaleCalibrate = &wizard; // as the setup dialog's handler registers it
    serial->deliver("3d#");
    EXPECT_EQ(stage1->value(), 3);
    EXPECT_EQ(stage1->maximum(), 7);
    qlx->ScaleCalibrate = nullptr;
}

TEST_F(SetupWidgetsTest, EfmWizardRunsModallyFromTheSetupButton)
{
    driver::QtDriverWindows windows(*qlx, nullptr);
    QStringList pages;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<driver::WizardDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Calibrate EFM");
        pages.append(dialog->currentPageName());
        serial->deliver("W#");
        qlx->Timer1Timer();
        pages.append(dialog->currentPageName());
        pageButton(*dialog, "OK  >>")->click();
        pages.append(dialog->currentPageName());
        pageButton(*dialog, "Cancel")->click();
    });
    qlx->TransparentButton6Click();
    EXPECT_EQ(pages, (QStringList{"TabSheet1", "TabSheet4", "TabSheet2"}));
    EXPECT_EQ(takeCommands(), (QByteArrayList{"w", "o", "ok", "o"}));
    EXPECT_FALSE(qlx->EfmCalibrationOpened);
}
