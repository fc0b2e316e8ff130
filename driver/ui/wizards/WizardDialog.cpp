#include "driver/ui/wizards/WizardDialog.h"

#include "driver/protocol/TQLX32.h"
#include "driver/ui/CalibrationWizards.h"
#include "driver/ui/controls/HintBox.h"

#include <QEvent>
#include <QProgressBar>
#include <QShowEvent>
#include <QToolButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace qlx::driver {
namespace {

QLabel* pictureWithLabels(WizardPicture picture, const QStringList& labels)
{
    auto* frame = new QLabel;
    frame->setPixmap(wizardPicture(picture));
    frame->setFixedSize(WizardPictureWidth, WizardPictureHeight);
    auto* over = new QVBoxLayout(frame);
    over->setContentsMargins(6, 6, 6, 6);
    over->setSpacing(4);
    for (const QString& text : labels) {
        auto* label = new QLabel(text, frame);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setStyleSheet(QStringLiteral("color: #00306e; background: rgba(255,255,255,215);"
                                            "border: 1px solid #b8c4d4; padding: 2px;"));
        over->addWidget(label);
    }
    over->addStretch(1);
    return frame;
}

} // namespace

WizardDialog::WizardDialog(TQLX32& driver, WizardState& state, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , driver_(driver)
    , state_(state)
{
    setWindowTitle(caption);
    setModal(true);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(10, 10, 10, 10);
    layout_->setSpacing(8);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    layout_->addWidget(pages_, 1);
    connect(&driver_, &TQLX32::stateChanged, this, &WizardDialog::refresh);
}

QVBoxLayout* WizardDialog::addPage(const PageContent& content)
{
    auto* page = new QWidget;
    page->setObjectName(content.name);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    row->addWidget(pictureWithLabels(content.picture, content.pictureLabels), 0, Qt::AlignTop);

    auto* column = new QVBoxLayout;
    column->setSpacing(8);
    auto* hint = new HintBox;
    hint->setObjectName(content.name + QStringLiteral("Hint"));
    hint->setLines(content.instructions);
    hint->setMinimumWidth(300);
    column->addWidget(hint);
    auto* own = new QVBoxLayout;
    own->setSpacing(6);
    column->addLayout(own);
    column->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const PageButton& b : content.buttons) {
        auto* button = new QPushButton(b.caption);
        button->setMinimumWidth(88);
        const auto click = b.click;
        connect(button, &QPushButton::clicked, this, [this, click] { forward(click); });
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    row->addLayout(column, 1);

    pages_->addWidget(page);
    pageByName_.insert(content.name, page);
    return own;
}

QLabel* WizardDialog::addMassRow(QVBoxLayout* own, MassField& field)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(new QLabel(QStringLiteral("Mass of the calibration weight:")));
    row->addStretch(1);
    auto* display = new QLabel;
    display->setObjectName(QStringLiteral("SpinEdit1"));
    display->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    display->setAutoFillBackground(true);
    QPalette white = display->palette();
    white.setColor(QPalette::Window, Qt::white);
    display->setPalette(white);
    display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display->setFixedWidth(display->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    display->setMinimumHeight(display->fontMetrics().height() + 8);
    row->addWidget(display);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    for (const bool up : {true, false}) {
        auto* b = new QToolButton;
        b->setObjectName(up ? QStringLiteral("UpDown1Up") : QStringLiteral("UpDown1Down"));
        b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        b->setFixedSize(17, 12);
        b->setAutoRepeat(true);
        connect(b, &QToolButton::clicked, this, [this, &field, up] { forward([&field, up] { field.step(up); }); });
        arrows->addWidget(b);
    }
    row->addLayout(arrows);
    row->addWidget(new QLabel(QStringLiteral("gram")));
    own->addLayout(row);
    mass_ = &field;
    massDisplay_ = display;
    return display;
}

QProgressBar* WizardDialog::addGauge(QVBoxLayout* own, const QString& name, const QString& hint)
{
    auto* gauge = new QProgressBar;
    gauge->setObjectName(name);
    gauge->setToolTip(hint);
    gauge->setTextVisible(true);
    gauge->setFixedHeight(gauge->fontMetrics().height() + 6);
    QSizePolicy keep = gauge->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    gauge->setSizePolicy(keep);
    own->addWidget(gauge);
    return gauge;
}

void WizardDialog::showGauge(QProgressBar* bar, int min, int max, int progress, bool visible)
{
    bar->setRange(min, std::max(min, max));
    bar->setValue(std::clamp(progress, min, std::max(min, max)));
    bar->setVisible(visible);
}

void WizardDialog::addCancelBand(const QString& hint)
{
    auto* band = new QFrame(this);
    band->setObjectName(QStringLiteral("CancelBand"));
    band->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(6, 4, 6, 4);
    row->addStretch(1);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), band);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setToolTip(hint);
    cancel->setMinimumWidth(88);
    connect(cancel, &QPushButton::clicked, this, [this] { forward([this] { state_.CancelClick(); }); });
    row->addWidget(cancel);
    layout_->addWidget(band);
}

QWidget* WizardDialog::page(const QString& name) const
{
    return pageByName_.value(name);
}

QString WizardDialog::currentPageName() const
{
    const QWidget* current = pages_->currentWidget();
    return current ? current->objectName() : QString();
}

void WizardDialog::refresh()
{
    if (QWidget* shown = pageByName_.value(state_.activePage))
        pages_->setCurrentWidget(shown);
    if (mass_)
        massDisplay_->setText(QString::number(mass_->value));
    refreshPageControls();
}

void WizardDialog::forward(const std::function<void()>& handler)
{
    handler();
    refresh();
    finishIfClosed();
}

void WizardDialog::finishIfClosed()
{
    if (state_.modalResult != ModalResult::None && isVisible())
        done(state_.modalResult == ModalResult::OK ? Accepted : Rejected);
}

// Escape and the title bar's close button are the wizard's Cancel.
void WizardDialog::done(int)
{
    if (state_.modalResult == ModalResult::None)
        state_.CancelClick();
    if (state_.modalResult == ModalResult::None)
        return;
    QDialog::done(state_.modalResult == ModalResult::OK ? Accepted : Rejected);
}

void WizardDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        shown();
    refresh();
}

bool WizardDialog::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        activated();
        refresh();
    }
    return QDialog::event(event);
}

} // namespace qlx::driver
