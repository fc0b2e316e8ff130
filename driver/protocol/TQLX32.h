#pragma once
// The driver object: link owner, request scheduler, reply decoder and the
// state of the setup dialog "QLX Setup x86". It lives on the thread that
// created it, which runs a Qt event loop; only the status flags are read
// from other threads.

#include "driver/link/MessageFramer.h"
#include "driver/link/Transports.h"
#include "driver/protocol/ControlState.h"
#include "driver/settings/ConfigRecord.h"
#include "driver/ui/DriverWindows.h"

#include <QByteArrayList>
#include <QObject>
#include <QTimer>
#include <array>
#include <atomic>
#include <memory>

namespace qlx::driver {

class TForm2;
struct TAutoCalibrate;
struct TCheckCalibrate;
struct TForm4;
struct TForm13;

// The two links the driver may use; tests hand in fakes.
struct Transports {
    std::unique_ptr<ISerialLink> serial;
    std::unique_ptr<IHidLink> hid;

    static Transports real();
};

// A driver timer: a QTimer whose handler tests can also call tick by tick.
class DriverTimer {
public:
    bool enabled() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }
    void setEnabled(bool on) { on ? timer_.start() : timer_.stop(); }
    void setInterval(int ms) { timer_.setInterval(ms); }
    QTimer& qtimer() { return timer_; }

private:
    QTimer timer_;
};

class TQLX32 : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxSamples = 4000;
    static constexpr std::array<char, 18> QueryLetters{'E', 'M', 'T', 'm', 'n', 'q', 'p', 'g', 'H',
                                                       'F', 'R', 'y', 'V', 'I', 'w', 'd', 'e', 'i'};

    // Opens the link: USB when an instrument answers there, else the serial
    // port stored in the configuration file at configPath.
    TQLX32(const QString& configPath, TForm2* graph, Transports transports = Transports::real(),
           QObject* parent = nullptr);
    ~TQLX32() override;

    // ---- link --------------------------------------------------------------
    bool FindHidInstrument();
    bool SelectStoredPort(const QString& name);
    void ComboBoxDeviceNameChange();
    void SendCommand(const QByteArray& text);
    void nrWriteStr(const QByteArray& text);
    void ComPort1RxChar();
    void nrHid1AfterReceive(const char* buffer, int received);
    void UpdateTreeInfo();
    // Writes straight to the serial port, bypassing the deferral.
    void WriteToPort(const QByteArray& text);
    bool SerialPortOpen() const { return serialOpen_; }
    // Closes the serial port (the watchdog, a port change, quitting).
    void CloseSerialPort();
    bool LinkOpen() const { return UsbMode || serialOpen_; }

    // ---- scheduler ---------------------------------------------------------
    void ResetReceiveState();
    void SendNextRequest();
    void Timer1Timer();
    void Timer2Timer();

    // ---- decoding ----------------------------------------------------------
    void DecodeMessage();
    void DecodeSettingsReply(char letter, const char* value);

    // The status word of the exported API, built afresh (bits 1..10).
    int StatusWord() const;

    // ---- tray icon ---------------------------------------------------------
    TrayIconState CurrentTrayIcon() const;
    void UpdateTrayIcon();

    // ---- link state ---------------------------------------------------------
    std::atomic<bool> UsbMode{false};
    bool FPortOpened = false;
    bool FPortChosen = false;
    bool FLoggedIn = false;
    MessageFramer Receiver;
    std::array<char, MessageFramer::Capacity + 1> MessageText{};
    QString ConfigPath;
    ConfigRecord Config;
    QString DeviceName; // the serial component's device name

    // ---- scheduler state ----------------------------------------------------
    int SequenceIndex = -1;
    bool LinkWatch = false;
    int TickCount = 0;
    int SilentCount = 0;
    bool DeferNextCommand = false;
    // Commands parked until the next Timer2 tick, in order: one that arrives
    // while another waits is queued behind it, never put in its place.
    QByteArray PendingSerialCommand;
    QByteArrayList PendingUsbCommands;
    bool NotRespondingShown = false;
    DriverTimer Timer1;
    DriverTimer Timer2;

    // Steps the decoder leaves to Timer1.
    bool ShowLoginLine = false;
    bool ShowVersionLines = false;
    bool ShowNewModelControls = false;
    bool ProbeCalibrationDone = false;
    bool ScaleStepEDone = false;
    bool ScaleStepDDone = false;
    bool EfmStepKDone = false;
    bool EfmStepWDone = false;

    // ---- status word flags (read by other threads) ---------------------------
    std::atomic<bool> FFirmnessReady{false};
    std::atomic<bool> FSizeReady{false};
    std::atomic<bool> ProbeAtTop{false};
    std::atomic<bool> ProbeAtBottom{false};
    std::atomic<bool> InstrumentResponding{false};
    std::atomic<bool> FMassReady{false};
    std::atomic<bool> FHasScale{false};
    std::atomic<bool> SetupOpen{false};

    // ---- readings ------------------------------------------------------------
    float FEnergy = 0.0f;
    float FLastFirmness = 0.0f;
    int FMaxIndex = 0;
    short FCursorStart = 3;
    float FMaxFirmness = 0.0f;
    float FMaxFirmnessPoint = 0.0f;
    float FSize = 0.0f;
    float FMass = 0.0f;
    float FDeflectionFactor = 0.0f;
    float FForceFactor = 0.0f;
    bool FGraphReady = false;
    bool FSettingsRead = false;
    bool FSavingSettings = false;
    bool FBusyMessageShown = false;
    // Samples of the running reading, raw until the end of the reading scales them in place.
    std::array<double, MaxSamples> FForce{};
    std::array<double, MaxSamples> FDeflection{};
    int SampleCount = 0;
    int DroppedSamples = 0;   // samples beyond the arrays in the running reading
    int MalformedSamples = 0; // samples without "," in the running reading
    bool ZeroScalePending = false;
    bool EfmCalibrationOpened = false;
    bool StatusLampGreen = false;
    bool StatusLampBlue = false;
    bool StatusLampRed = false;

    // ---- identification -----------------------------------------------------
    int InstrumentGeneration = 0;
    int ModelNumber = 0;
    bool NewGeneration = false;
    QString VersionText;

    // ---- unsaved changes of the instrument settings ---------------------------
    bool UnsavedChanges = false;
    int ChangedSettings = 0;
    int ChangedCount = 0;
    bool FMotionSettingChanged = false;
    bool SensitivityArmed = false;
    bool ResetThresholdArmed = false;

    // ---- setup dialog controls -------------------------------------------------
    TextControl LoadThres;
    UpDownControl TriggerScroll{30, 500, 50, 10, false, false};
    TextControl MaxVel;
    UpDownControl ForwardScroll{5, 30, 30, 1, false, false};
    TextControl ReverseSpeed;
    UpDownControl ReverseScroll{10, 40, 30, 1, false, false};
    TextControl LoadVelocity;
    UpDownControl MeasureSpeedScroll{5, 20, 20, 1, false, false};
    TextControl TestDistance;
    UpDownControl MeasureDistanceScroll{0, 1000, 500, 1, false, false};
    TextControl Ver7Panel{QString(), false, true};
    TextControl ReverseInc;
    UpDownControl UpDown1{5, 20, 20, 1, false, true};
    TextControl TestMass;
    TextControl MaxDis;
    TextControl MaxLoad;
    TextControl stepratio;
    TextControl massratio;
    TextControl clkfrequency;
    TextControl gradien;
    TextControl ScaleGroup{QString(), false, false};
    TextControl Sensitivity;
    TextControl ResetThreshold;
    TextControl WeightRatio;
    TextControl TransparentButton1{"Verify Probe Calibration"};
    TextControl TransparentButton2{" Re-load configuration  from QLX", false};
    TextControl TransparentButton3{" Save configuration     on QLX", false};
    TextControl TransparentButton4{"Close"};
    TextControl TransparentButton5{"Calibrate Probe"};
    TextControl TransparentButton6{"Calibrate EFM", true, false};
    TextControl TransparentButton7{"Calibrate Scale", false, false};
    TextControl ShutDown{"Shut Down"};
    TextControl Label3;  // the configuration path
    TextControl Label5{"Serial Port:"};
    TextControl Label6;  // the chosen port
    TextControl Label11;
    ComboBoxControl ComboBoxDeviceName;
    GaugeControl Gauge1;
    MemoControl Memo1;
    StatusBarControl StatusBar1;
    QStringList TreeView1; // the hidden HID information tree, one line per node ("  " marks a child)

    // Tray menu items.
    MenuItemControl Setup;
    MenuItemControl ShowGraph{false};
    MenuItemControl Calibrate{false};
    MenuItemControl CheckLoadcell;
    MenuItemControl EFM1;
    MenuItemControl Loadcell1;
    MenuItemControl CalibrateSCALE1{false};

    TrayIconState TrayIcon;

    // The graph window and the open calibration wizards (null when closed).
    TForm2* Graph = nullptr;
    TAutoCalibrate* AutoCalibrate = nullptr;
    TCheckCalibrate* CheckCalibrate = nullptr;
    TForm4* ScaleCalibrate = nullptr;
    TForm13* EfmCalibrate = nullptr;

    // ---- setup dialog handlers ------------------------------------------------
    // The setting controls (driver/settings/SettingControls.cpp) and the
    // dialog's buttons, menu, status bar and tray icon (driver/ui/SetupHandlers.cpp).
    enum class ArrowButton { Up, Down };
    enum class LampColour { None, ButtonFace, Lime, Blue, Red };
    // How StatusBar1DrawPanel draws a panel: a lamp, an image of the image
    // list (21 probe at top, 22 at bottom, 23 neither) or plain text.
    struct PanelLook {
        LampColour lamp = LampColour::None;
        int image = -1;
        bool lowered = false;
    };
    static constexpr int TrayCallbackMessage = 32868;
    static constexpr int TrayLeftDoubleClick = 515;
    static constexpr int TrayRightButtonUp = 517;

    void TriggerScrollClick(ArrowButton button);
    void ForwardScrollClick(ArrowButton button);
    void ReverseScrollClick(ArrowButton button);
    void MeasureSpeedScrollClick(ArrowButton button);
    void MeasureDistanceScrollClick(ArrowButton button);
    void UpDown1Click(ArrowButton button);
    // A spin edit's buttons arm it and step its text; its change handler
    // sends the text only when armed.
    void SensitivityClickAdd();
    void SensitivityClickSub();
    void ResetThresholdClickAdd();
    void ResetThresholdClickSub();
    void SensitivityChange();
    void ResetThresholdChange();
    void TransparentButton2Click(); // re-load from the instrument
    void TransparentButton3Click(); // save on the instrument
    void TransparentButton4Click(); // close, asking about unsaved changes
    void FormClose();               // the dialog is closing
    void CannotEdit();

    void SetupClick(); // emits setupRequested: QLXSetup runs the dialog
    void ShowGraphClick();
    void CheckLoadcellClick();
    void TransparentButton1Click();
    void Loadcell1Click();
    void TransparentButton5Click();
    void EFM1Click();
    void TransparentButton6Click();
    void CalibrateSCALE1Click();
    void TransparentButton7Click();
    void ShutDownClick();
    PanelLook StatusBar1DrawPanel(int panel) const;
    // The tray icon's mouse event (TrayLeftDoubleClick, TrayRightButtonUp).
    void TrayCallback(int mouseEvent);

    // The windows the handlers open; none in a driver without windows.
    void SetWindows(IDriverWindows* windows) { windows_ = windows; }
    IDriverWindows* Windows() const { return windows_; }

    Q_SIGNAL void setupRequested();

private:
    void MarkSettingChanged(int bit);
    void StepSpinEdit(TextControl& edit, bool& armed, bool up, int min, int max);
    template <typename Wizard>
    void RunWizard(Wizard& wizard, Wizard*& slot);

    IDriverWindows* windows_ = nullptr;

signals:
    // Something the dialogs show has changed.
    void stateChanged();

private:
    void OpenLink();
    void OpenStoredPort();
    bool OpenSerialDevice(const QString& portName);
    void ArmWatchdog();
    void DecodeOperationReply(char kind, int length);
    void LoginReply();
    void StatusReply(int length);
    void SampleReply();
    void EndOfReading();
    void SizeReply();
    void MassReply();
    void SaveProgressReply();
    void BusyReply();
    void BusyMessage(const QString& text);
    void StartupErrorReply();
    void VersionStep(const char* value);
    void SetStatusBits(unsigned char bits);

    Transports transports_;
    std::atomic<bool> serialOpen_{false};
    // Serial bytes read but not yet framed. A message box of the decoder runs
    // a nested event loop that may receive more; they queue up behind these,
    // so messages keep their order.
    QByteArray rxPending_;
    qsizetype rxPos_ = 0;
};

} // namespace qlx::driver
