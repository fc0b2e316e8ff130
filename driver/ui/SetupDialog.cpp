#include "driver/ui/SetupDialog.h"

#include "driver/protocol/TQLX32.h"
#include "driver/ui/ClickableLabel.h"
#include "driver/ui/SetupStatusBar.h"
#include "driver/ui/controls/FlatButton.h"
#include "driver/ui/controls/HintBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace qlx::driver {
namespace {

using Button = TQLX32::ArrowButton;

constexpr int DisplayWidth = 72;

// Changeable values: white, sunken, blue. Shown-only values: sunken on the
// button face. The weight ratio: white with a single border.
enum class DisplayStyle { Changeable, ShownOnly, SingleBorder };

void styleDisplay(QLabel* label, DisplayStyle style)
{
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedWidth(DisplayWidth);
    label->setMinimumHeight(label->fontMetrics().height() + 6);
    label->setMargin(1);
    label->setIndent(3);
    QPalette colors = label->palette();
    if (style == DisplayStyle::ShownOnly) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    } else {
        label->setFrameStyle(style == DisplayStyle::Changeable ? QFrame::StyledPanel | QFrame::Sunken
                                                              : QFrame::Box | QFrame::Plain);
        label->setAutoFillBackground(true);
        colors.setColor(QPalette::Window, Qt::white);
        if (style == DisplayStyle::Changeable)
            colors.setColor(QPalette::WindowText, QColor(0, 0, 255));
    }
    label->setPalette(colors);
}

QString elidedPath(const QLabel* label, const QString& path, int width)
{
    return label->fontMetrics().elidedText(path, Qt::ElideMiddle, width);
}

} // namespace

const QStringList SetupDialog::HintLines{
    QStringLiteral("Settings on this page are saved on the <b>QLX</b>. The <b>QLX</b> keeps new "),
    QStringLiteral("settings until power is turned off.  To make changes permanent, click <b>"),
    QStringLiteral("\"Save configuration on QLX\"</b>."),
};

SetupDialog::SetupDialog(TQLX32& driver, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , driver_(driver)
{
    setObjectName(QStringLiteral("QLX32"));
    setWindowTitle(QStringLiteral("QLX Setup x86"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    layout->setSpacing(6);
    auto* panels = new QHBoxLayout;
    panels->setSpacing(8);
    panels->addWidget(buildSettingsPanel(), 0, Qt::AlignTop);
    panels->addWidget(buildButtonPanel());
    layout->addLayout(panels, 1);
    layout->addWidget(buildFoot());
    StatusBar1 = new SetupStatusBar(driver_, this);
    layout->addWidget(StatusBar1);

    refresh();
    setFixedSize(sizeHint().expandedTo(QSize(365, 531)));
    // Every decoded message signals a change; a hidden dialog catches up when shown.
    connect(&driver_, &TQLX32::stateChanged, this, [this] {
        if (isVisible())
            refresh();
    });
}

QWidget* SetupDialog::arrowPair(const QString& name, std::function<void()> up, std::function<void()> down)
{
    auto* pair = new QWidget;
    pair->setObjectName(name);
    auto* layout = new QVBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto arrow = [&](Qt::ArrowType type, const QString& suffix, std::function<void()> click) {
        auto* b = new QToolButton(pair);
        b->setObjectName(name + suffix);
        b->setArrowType(type);
        b->setFixedSize(17, 11);
        b->setAutoRepeat(true);
        connect(b, &QToolButton::clicked, this, [this, click] { forward(click); });
        layout->addWidget(b);
    };
    arrow(Qt::UpArrow, QStringLiteral("Up"), std::move(up));
    arrow(Qt::DownArrow, QStringLiteral("Down"), std::move(down));
    return pair;
}

QLabel* SetupDialog::addValueRow(QGridLayout* grid, int row, const QString& caption, const QString& name,
                                 const TextControl& text, const QString& unit, bool changeable)
{
    auto* label = new QLabel(caption);
    grid->addWidget(label, row, 0);
    QLabel* display = changeable ? new ClickableLabel([this] { forward([this] { driver_.CannotEdit(); }); }, nullptr)
                                 : new QLabel;
    display->setObjectName(name);
    styleDisplay(display, changeable ? DisplayStyle::Changeable : DisplayStyle::ShownOnly);
    grid->addWidget(display, row, 1);
    if (!unit.isEmpty())
        grid->addWidget(new QLabel(unit), row, 3);
    rows_.append({display, nullptr, &text, nullptr});
    return display;
}

QWidget* SetupDialog::buildSettingsPanel()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->setColumnMinimumWidth(2, 17);

    struct Changeable {
        const char* caption;
        const char* display;
        TextControl TQLX32::*text;
        const char* arrows;
        UpDownControl TQLX32::*updown;
        void (TQLX32::*click)(Button);
        const char* unit;
    };
    const Changeable changeable[] = {
        {"Trigger threshold", "LoadThres", &TQLX32::LoadThres, "TriggerScroll", &TQLX32::TriggerScroll,
         &TQLX32::TriggerScrollClick, "gram"},
        {"Forward speed", "MaxVel", &TQLX32::MaxVel, "ForwardScroll", &TQLX32::ForwardScroll,
         &TQLX32::ForwardScrollClick, "mm/sec"},
        {"Reverse speed", "ReverseSpeed", &TQLX32::ReverseSpeed, "ReverseScroll", &TQLX32::ReverseScroll,
         &TQLX32::ReverseScrollClick, "mm/sec"},
        {"Measure speed", "LoadVelocity", &TQLX32::LoadVelocity, "MeasureSpeedScroll", &TQLX32::MeasureSpeedScroll,
         &TQLX32::MeasureSpeedScrollClick, "mm/sec"},
        {"Measure distance", "TestDistance", &TQLX32::TestDistance, "MeasureDistanceScroll",
         &TQLX32::MeasureDistanceScroll, &TQLX32::MeasureDistanceScrollClick, "mm"},
        {"Reverse Increment", "ReverseInc", &TQLX32::ReverseInc, "UpDown1", &TQLX32::UpDown1, &TQLX32::UpDown1Click,
         "mm"},
    };
    int row = 0;
    for (const Changeable& c : changeable) {
        addValueRow(grid, row, QString::fromLatin1(c.caption), QString::fromLatin1(c.display), driver_.*c.text,
                    QString::fromLatin1(c.unit), true);
        const auto click = c.click;
        QWidget* arrows = arrowPair(QString::fromLatin1(c.arrows), [this, click] { (driver_.*click)(Button::Up); },
                                    [this, click] { (driver_.*click)(Button::Down); });
        grid->addWidget(arrows, row, 2);
        rows_.last().arrows = arrows;
        rows_.last().updown = &(driver_.*c.updown);
        ++row;
    }
    // The reverse increment row is the Ver7Panel.
    for (int column = 0; column < 4; ++column) {
        if (QLayoutItem* item = grid->itemAtPosition(row - 1, column))
            ver7Widgets_.append(item->widget());
    }

    auto* rule = new QFrame;
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    grid->addWidget(rule, row++, 0, 1, 4);

    struct ShownOnly {
        const char* caption;
        const char* display;
        TextControl TQLX32::*text;
        const char* unit;
    };
    const ShownOnly shownOnly[] = {
        {"Calibration Weight", "TestMass", &TQLX32::TestMass, "gram"},
        {"Max. Distance", "MaxDis", &TQLX32::MaxDis, "mm"},
        {"Max Load", "MaxLoad", &TQLX32::MaxLoad, "gram"},
        {"Step Ratio", "stepratio", &TQLX32::stepratio, ""},
        {"Firmness Ratio", "massratio", &TQLX32::massratio, ""},
        {"Frequency", "clkfrequency", &TQLX32::clkfrequency, ""},
        {"Gradient", "gradien", &TQLX32::gradien, ""},
    };
    for (const ShownOnly& s : shownOnly)
        addValueRow(grid, row++, QString::fromLatin1(s.caption), QString::fromLatin1(s.display), driver_.*s.text,
                    QString::fromLatin1(s.unit), false);

    ScaleGroup = new QGroupBox(QStringLiteral("Scale"));
    ScaleGroup->setObjectName(QStringLiteral("ScaleGroup"));
    auto* scale = new QGridLayout(ScaleGroup);
    scale->setContentsMargins(6, 4, 6, 6);
    scale->setHorizontalSpacing(4);
    scale->setVerticalSpacing(3);
    scale->setColumnMinimumWidth(2, 17);
    scale->setColumnStretch(0, 1);
    const auto spinRow = [&](int at, const char* caption, const char* name, const TextControl& text,
                             void (TQLX32::*add)(), void (TQLX32::*sub)(), const char* unit) {
        QLabel* display = addValueRow(scale, at, QString::fromLatin1(caption), QString::fromLatin1(name), text,
                                      QString::fromLatin1(unit), false);
        styleDisplay(display, DisplayStyle::SingleBorder);
        QWidget* arrows = arrowPair(QString::fromLatin1(name) + QStringLiteral("Spin"),
                                    [this, add] { (driver_.*add)(); }, [this, sub] { (driver_.*sub)(); });
        scale->addWidget(arrows, at, 2);
    };
    spinRow(0, "Sensitivity", "Sensitivity", driver_.Sensitivity, &TQLX32::SensitivityClickAdd,
            &TQLX32::SensitivityClickSub, "");
    spinRow(1, "Reset Threshold", "ResetThreshold", driver_.ResetThreshold, &TQLX32::ResetThresholdClickAdd,
            &TQLX32::ResetThresholdClickSub, "gram");
    auto* ratioCaption = new QLabel(QStringLiteral("Weight Ratio"));
    scale->addWidget(ratioCaption, 2, 0);
    auto* ratio = new ClickableLabel([this] { forward([this] { driver_.CannotEdit(); }); }, nullptr);
    ratio->setObjectName(QStringLiteral("WeightRatio"));
    styleDisplay(ratio, DisplayStyle::SingleBorder);
    ratio->setFixedWidth(DisplayWidth + 17 + 4 + 40);
    scale->addWidget(ratio, 2, 1, 1, 3, Qt::AlignLeft);
    rows_.append({ratio, nullptr, &driver_.WeightRatio, nullptr});

    // The group keeps its room while hidden, so that nothing moves when a
    // scale model appears.
    QSizePolicy keep = ScaleGroup->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    ScaleGroup->setSizePolicy(keep);
    grid->addWidget(ScaleGroup, row++, 0, 1, 4);
    return panel;
}

FlatButton* SetupDialog::button(const QString& name, const TextControl& state, std::function<void()> click)
{
    auto* b = new FlatButton(state.text);
    b->setObjectName(name);
    b->setFrameStyle(FlatButton::FrameStyle::Regular);
    b->setWordWrap(true);
    connect(b, &QAbstractButton::clicked, this, [this, click] { forward(click); });
    buttons_.insert(b, &state);
    return b;
}

QWidget* SetupDialog::buildButtonPanel()
{
    auto* panel = new QWidget(this);
    const int widest = fontMetrics().horizontalAdvance(QStringLiteral("Verify Probe Calibration"));
    panel->setFixedWidth(std::max(150, widest + 30));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    TQLX32& d = driver_;
    layout->addWidget(button(QStringLiteral("TransparentButton2"), d.TransparentButton2,
                             [&d] { d.TransparentButton2Click(); }));
    layout->addWidget(button(QStringLiteral("TransparentButton3"), d.TransparentButton3,
                             [&d] { d.TransparentButton3Click(); }));
    layout->addSpacing(6);
    layout->addWidget(button(QStringLiteral("TransparentButton5"), d.TransparentButton5,
                             [&d] { d.TransparentButton5Click(); }));
    layout->addWidget(button(QStringLiteral("TransparentButton1"), d.TransparentButton1,
                             [&d] { d.TransparentButton1Click(); }));
    layout->addWidget(button(QStringLiteral("TransparentButton6"), d.TransparentButton6,
                             [&d] { d.TransparentButton6Click(); }));
    layout->addWidget(button(QStringLiteral("TransparentButton7"), d.TransparentButton7,
                             [&d] { d.TransparentButton7Click(); }));
    layout->addSpacing(6);
    layout->addWidget(button(QStringLiteral("ShutDown"), d.ShutDown, [&d] { d.ShutDownClick(); }));
    layout->addSpacing(8);

    Label5 = new QLabel(d.Label5.text);
    Label5->setObjectName(QStringLiteral("Label5"));
    layout->addWidget(Label5);
    ComboBoxDeviceName = new QComboBox;
    ComboBoxDeviceName->setObjectName(QStringLiteral("ComboBoxDeviceName"));
    ComboBoxDeviceName->setMinimumContentsLength(8);
    connect(ComboBoxDeviceName, &QComboBox::activated, this, [this](int index) {
        forward([this, index] {
            driver_.ComboBoxDeviceName.itemIndex = index;
            driver_.ComboBoxDeviceNameChange();
        });
    });
    layout->addWidget(ComboBoxDeviceName);
    Label5->setBuddy(ComboBoxDeviceName);

    Gauge1 = new QProgressBar;
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setTextVisible(false);
    Gauge1->setFixedHeight(12);
    QSizePolicy keep = Gauge1->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Gauge1->setSizePolicy(keep);
    layout->addWidget(Gauge1);

    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setMinimumHeight(Memo1->fontMetrics().lineSpacing() * 4 + 12);
    Memo1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored); // fills what the settings leave
    layout->addWidget(Memo1, 1);
    return panel;
}

QWidget* SetupDialog::buildFoot()
{
    auto* foot = new QWidget(this);
    auto* layout = new QGridLayout(foot);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(4);
    layout->setColumnStretch(0, 1);

    // The three lines are one sentence: the box wraps them as one paragraph,
    // so that the bold "Save configuration on QLX" spans its line break.
    auto* hint = new HintBox;
    hint->setObjectName(QStringLiteral("HintBox1"));
    hint->setLines({HintLines.join(QString())});
    layout->addWidget(hint, 0, 0);

    FlatButton* close = button(QStringLiteral("TransparentButton4"), driver_.TransparentButton4,
                               [this] { driver_.TransparentButton4Click(); });
    QFont bold = close->font();
    bold.setBold(true);
    close->setFont(bold);
    close->setWordWrap(false);
    close->setFixedWidth(100);
    layout->addWidget(close, 0, 1, Qt::AlignVCenter);

    Label3 = new QLabel;
    Label3->setObjectName(QStringLiteral("Label3"));
    QPalette grey = Label3->palette();
    grey.setColor(QPalette::WindowText, grey.color(QPalette::Disabled, QPalette::WindowText));
    Label3->setPalette(grey);
    layout->addWidget(Label3, 1, 0, 1, 2);
    return foot;
}

void SetupDialog::forward(const std::function<void()>& handler)
{
    handler();
    refresh();
}

void SetupDialog::refresh()
{
    for (const Row& row : rows_) {
        row.display->setText(row.text->text);
        if (row.arrows)
            row.arrows->setEnabled(row.updown->enabled);
    }
    // The reverse increment row is the Ver7Panel: disabled as a whole until
    // a newer instrument is found, its arrows then by their own state.
    for (QWidget* w : ver7Widgets_) {
        w->setVisible(driver_.Ver7Panel.visible);
        if (!driver_.Ver7Panel.enabled)
            w->setEnabled(false);
        else if (w->objectName() != QLatin1String("UpDown1"))
            w->setEnabled(true);
    }
    ScaleGroup->setVisible(driver_.ScaleGroup.visible);
    ScaleGroup->setEnabled(driver_.ScaleGroup.enabled);

    for (auto it = buttons_.cbegin(); it != buttons_.cend(); ++it) {
        it.key()->setEnabled(it.value()->enabled);
        it.key()->setVisible(it.value()->visible);
    }

    Label5->setEnabled(driver_.Label5.enabled);
    {
        const QSignalBlocker block(ComboBoxDeviceName);
        const ComboBoxControl& combo = driver_.ComboBoxDeviceName;
        QStringList shown;
        for (int i = 0; i < ComboBoxDeviceName->count(); ++i)
            shown.append(ComboBoxDeviceName->itemText(i));
        if (shown != combo.items) {
            ComboBoxDeviceName->clear();
            ComboBoxDeviceName->addItems(combo.items);
        }
        ComboBoxDeviceName->setCurrentIndex(combo.itemIndex);
        ComboBoxDeviceName->setEnabled(combo.enabled);
    }

    const GaugeControl& gauge = driver_.Gauge1;
    Gauge1->setRange(gauge.minValue, std::max(gauge.minValue, gauge.maxValue));
    Gauge1->setValue(std::clamp(gauge.progress, gauge.minValue, std::max(gauge.minValue, gauge.maxValue)));
    Gauge1->setVisible(gauge.visible);

    const QString memo = driver_.Memo1.lines.join(u'\n');
    if (Memo1->toPlainText() != memo)
        Memo1->setPlainText(memo);

    const QString path = driver_.Label3.text;
    Label3->setToolTip(path);
    Label3->setText(elidedPath(Label3, path, std::max(100, width() - 20)));
    StatusBar1->update();
}

void SetupDialog::showEvent(QShowEvent* event)
{
    refresh();
    QDialog::showEvent(event);
}

void SetupDialog::done(int result)
{
    if (!closing_) {
        driver_.TransparentButton4Click(); // asks; closeApproved() follows when it may close
        return;
    }
    closing_ = false;
    QDialog::done(result);
}

void SetupDialog::closeApproved()
{
    closing_ = true;
    driver_.FormClose();
    done(QDialog::Accepted);
}

} // namespace qlx::driver
