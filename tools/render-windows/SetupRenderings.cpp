#include "tools/render-windows/SetupRenderings.h"

#include "driver/protocol/TQLX32.h"
#include "driver/ui/CalibrationWizards.h"
#include "driver/ui/SetupDialog.h"
#include "driver/ui/SetupPictures.h"
#include "driver/ui/SetupTrayIcon.h"
#include "driver/ui/TForm2.h"
#include "driver/ui/wizards/AutoCalibrateDialog.h"
#include "driver/ui/wizards/CheckCalibrateDialog.h"
#include "driver/ui/wizards/EfmCalibrateDialog.h"
#include "driver/ui/wizards/ScaleCalibrateDialog.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPainter>

namespace qlx::render {
namespace {

// A driver without an instrument (its configuration file does not exist),
// filled as a settings read of a 7.21 scale model would fill it.
struct SampleDriver {
    driver::TForm2 graph;
    driver::TQLX32 qlx{QDir::temp().filePath(QStringLiteral("qlx-render-none/QLX_DLL.CFG")), &graph};

    explicit SampleDriver(bool filled)
    {
        qlx.ComboBoxDeviceName.items = {QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")};
        if (!filled)
            return;
        qlx.ComboBoxDeviceName.itemIndex = 1;
        qlx.LoadThres.text = QStringLiteral("50");
        qlx.MaxVel.text = QStringLiteral("30");
        qlx.ReverseSpeed.text = QStringLiteral("30");
        qlx.LoadVelocity.text = QStringLiteral("20");
        qlx.TestDistance.text = QStringLiteral("10.0");
        qlx.ReverseInc.text = QStringLiteral("12");
        qlx.TestMass.text = QStringLiteral("500");
        qlx.MaxDis.text = QStringLiteral("25");
        qlx.MaxLoad.text = QStringLiteral("14000");
        qlx.stepratio.text = QStringLiteral("100");
        qlx.massratio.text = QStringLiteral("1000");
        qlx.clkfrequency.text = QStringLiteral("1000");
        qlx.gradien.text = QStringLiteral("1.25");
        qlx.Sensitivity.text = QStringLiteral("4");
        qlx.ResetThreshold.text = QStringLiteral("12");
        qlx.WeightRatio.text = QStringLiteral("0.25000000");
        for (driver::UpDownControl* arrows : {&qlx.TriggerScroll, &qlx.ForwardScroll, &qlx.ReverseScroll,
                                              &qlx.MeasureSpeedScroll, &qlx.MeasureDistanceScroll})
            arrows->enabled = true;
        qlx.Ver7Panel.enabled = true;
        qlx.ScaleGroup.visible = qlx.ScaleGroup.enabled = true;
        qlx.TransparentButton2.enabled = qlx.TransparentButton3.enabled = true;
        qlx.TransparentButton6.visible = true;
        qlx.TransparentButton7.visible = qlx.TransparentButton7.enabled = true;
        qlx.Memo1.lines = {QStringLiteral("QLX version: 7.21, RV-31"), QStringLiteral("QLX Interface: 11.8.18"),
                           QStringLiteral("Nov  5 2019")};
        qlx.Gauge1.visible = false;
        qlx.StatusBar1.panels[0] = QStringLiteral("4.312 kg");
        qlx.StatusBar1.panels[1] = QStringLiteral("72.40 mm");
        qlx.StatusBar1.panels[2] = QStringLiteral("183 gram");
        qlx.StatusBar1.panels[3] = QStringLiteral("RS232");
        qlx.StatusBar1.panels[4] = QStringLiteral("343");
        qlx.StatusLampGreen = true;
        qlx.StatusLampRed = true;
        qlx.ProbeAtTop = true;
        qlx.ShowGraph.enabled = qlx.Calibrate.enabled = qlx.CalibrateSCALE1.enabled = true;
    }
};

QPixmap picture(QWidget& widget)
{
    widget.show();
    QApplication::processEvents();
    return widget.grab();
}

QPixmap setupDialog(bool filled)
{
    SampleDriver sample(filled);
    driver::SetupDialog dialog(sample.qlx);
    dialog.refresh();
    return picture(dialog);
}

QPixmap trayMenu()
{
    SampleDriver sample(true);
    driver::SetupTrayIcon tray(sample.qlx);
    QMenu* menu = tray.popupMenu();
    QMenu* calibration = menu->findChild<QMenu*>(QStringLiteral("Calibrate"));
    const QPixmap main = picture(*menu);
    const QPixmap sub = picture(*calibration);
    menu->hide();
    calibration->hide();
    QPixmap both(main.width() + sub.width() - 4, std::max(main.height(), sub.height() + 40));
    both.fill(Qt::transparent);
    QPainter p(&both);
    p.drawPixmap(0, 0, main);
    p.drawPixmap(main.width() - 4, 40, sub); // beside its item, as it opens
    return both;
}

// The three tray pictures, then the probe images 21, 22 and 23, enlarged.
QPixmap linkPictures()
{
    QPixmap strip(6 * 56 + 8, 64);
    strip.fill(Qt::white);
    QPainter p(&strip);
    int x = 8;
    for (const auto state : {driver::TrayIconState::Picture::Not, driver::TrayIconState::Picture::Red,
                             driver::TrayIconState::Picture::Green}) {
        p.drawPixmap(x, 8, driver::trayPicture(state).pixmap(48, 48));
        x += 56;
    }
    for (const int index : {21, 22, 23}) {
        p.drawPixmap(x, 8, driver::probeImage(index, 48));
        x += 56;
    }
    return strip;
}

// Shows a wizard page as the state names it, after the dialog's own
// activation has run.
template <typename Dialog, typename Wizard>
Rendering wizardPage(const char* file, const char* page, std::function<void(Wizard&)> prepare = {})
{
    return {QString::fromLatin1(file), [page, prepare] {
                SampleDriver sample(true);
                Wizard wizard(&sample.qlx);
                Dialog dialog(sample.qlx, wizard);
                dialog.show();
                QApplication::processEvents();
                wizard.activePage = QString::fromLatin1(page);
                emit sample.qlx.stateChanged(); // the page shows, as Timer1 would show it
                if (prepare)
                    prepare(wizard);
                emit sample.qlx.stateChanged();
                return dialog.grab();
            }};
}

Rendering probePage(const char* file, const char* page, std::function<void(driver::TAutoCalibrate&)> prepare = {})
{
    return wizardPage<driver::AutoCalibrateDialog>(file, page, std::move(prepare));
}

Rendering checkPage(const char* file, const char* page, std::function<void(driver::TCheckCalibrate&)> prepare = {})
{
    return wizardPage<driver::CheckCalibrateDialog>(file, page, std::move(prepare));
}

Rendering scalePage(const char* file, const char* page, std::function<void(driver::TForm4&)> prepare = {})
{
    return wizardPage<driver::ScaleCalibrateDialog>(file, page, std::move(prepare));
}

Rendering efmPage(const char* file, const char* page)
{
    return wizardPage<driver::EfmCalibrateDialog, driver::TForm13>(file, page);
}

} // namespace

std::vector<Rendering> setupRenderings()
{
    return {
        {QStringLiteral("setup-dialog.png"), [] { return setupDialog(true); }},
        {QStringLiteral("setup-dialog-no-instrument.png"), [] { return setupDialog(false); }},
        {QStringLiteral("setup-tray-menu.png"), trayMenu},
        {QStringLiteral("setup-link-pictures.png"), linkPictures},
        probePage("wizard-probe-1-confirm-mass.png", "TabSheet5"),
        probePage("wizard-probe-2-step1.png", "TabSheet1"),
        probePage("wizard-probe-3-step2.png", "TabSheet2"),
        probePage("wizard-probe-4-step3.png", "TabSheet3",
                  [](driver::TAutoCalibrate& w) {
                      w.ProgressBar1.visible = true;
                      w.ProgressBar1.position = 320;
                  }),
        probePage("wizard-probe-5-step4.png", "TabSheet4"),
        checkPage("wizard-check-1-step1.png", "TabSheet1"),
        checkPage("wizard-check-2-step2.png", "TabSheet2"),
        checkPage("wizard-check-3-step3.png", "TabSheet3",
                  [](driver::TCheckCalibrate& w) {
                      w.Label2.visible = true;
                      w.Label1.text = QStringLiteral("502 gram");
                  }),
        checkPage("wizard-check-4-step4.png", "TabSheet4"),
        scalePage("wizard-scale-1-mass.png", "TabSheet4", [](driver::TForm4& w) { w.SpinEdit1.set(2000); }),
        scalePage("wizard-scale-2-stage1.png", "TabSheet1",
                  [](driver::TForm4& w) {
                      w.Panel3.visible = true;
                      w.CGauge2.progress = 4;
                  }),
        scalePage("wizard-scale-3-step2.png", "TabSheet2",
                  [](driver::TForm4& w) {
                      w.Panel4.visible = true;
                      w.CGauge1 = {0, 50, 31, true};
                  }),
        scalePage("wizard-scale-4-success.png", "TabSheet3"),
        efmPage("wizard-efm-1-stage1.png", "TabSheet1"),
        efmPage("wizard-efm-2-ok.png", "TabSheet4"),
        efmPage("wizard-efm-3-step2.png", "TabSheet2"),
        efmPage("wizard-efm-4-success.png", "TabSheet3"),
    };
}

} // namespace qlx::render
