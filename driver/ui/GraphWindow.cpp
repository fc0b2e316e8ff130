#include "driver/ui/GraphWindow.h"

#include "driver/ui/GraphButtonIcons.h"
#include "driver/ui/TForm2.h"
#include "driver/ui/controls/XYGraph.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace qlx::driver {
namespace {

const QColor CurveColor(0, 0, 255);

QLabel* readout(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-0000.000 mm")) + 12);
    return label;
}

QToolButton* arrowButton(const QString& name, Qt::ArrowType arrow, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFixedSize(22, 28);
    return button;
}

QToolButton* pictureButton(const QString& name, const QIcon& icon, const QString& hint, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setFixedSize(30, 28);
    button->setToolTip(hint);
    return button;
}

QAction* menuItem(const QString& name, const QString& caption, const QString& hint, QObject* parent)
{
    auto* action = new QAction(caption, parent);
    action->setObjectName(name);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
}

} // namespace

GraphWindow::GraphWindow(TForm2& form, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint)
    , form_(form)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("QLX Graph"));
    setMinimumSize(340, 270);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(buildGraphPanel(), 1);
    layout->addWidget(buildControlRow());
    buildMenu();

    resize(431, 328);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    refresh();
}

QWidget* GraphWindow::buildGraphPanel()
{
    // The energy text sits at the top right, on the graph's own background.
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(1, 3, 8, 1);
    layout->setSpacing(0);

    Label3 = new QLabel(panel);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(Label3);

    XYGraph1 = new XYGraph(panel);
    XYGraph1->setObjectName(QStringLiteral("XYGraph1"));
    XYGraph1->setToolTip(QStringLiteral("X-axis = penetration distance, Y-axis = firmness."));
    XYGraph1->setDefaultPen(QPen(Qt::red, 1.5));
    XYGraph1->setCursorColor(Qt::black);
    XYGraph1->setAxesColor(QColor(0, 0, 128));
    XYGraph1->setLabelColor(QColor(128, 0, 128));
    XYGraph1->setAutoScale(false);
    XYGraph1->setLabelDecimals(2);
    XYGraph1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(XYGraph1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(XYGraph1->mapToGlobal(at)); });
    layout->addWidget(XYGraph1, 1);
    return panel;
}

QWidget* GraphWindow::buildControlRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    UpDown1 = new QWidget(row);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setToolTip(QStringLiteral("Scroll reference line on graph"));
    auto* arrows = new QHBoxLayout(UpDown1);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    auto* down = arrowButton(QStringLiteral("UpDown1Down"), Qt::LeftArrow, UpDown1);
    auto* up = arrowButton(QStringLiteral("UpDown1Up"), Qt::RightArrow, UpDown1);
    arrows->addWidget(down);
    arrows->addWidget(up);
    connect(down, &QToolButton::clicked, this, [this] { forward([](TForm2& f) { f.UpDown1Click(TForm2::UpDownButton::Down); }); });
    connect(up, &QToolButton::clicked, this, [this] { forward([](TForm2& f) { f.UpDown1Click(TForm2::UpDownButton::Up); }); });
    layout->addWidget(UpDown1);
    layout->addSpacing(6);

    SpeedButton1 = pictureButton(QStringLiteral("SpeedButton1"), penetrationPointIcon(),
                                 QStringLiteral("Move reference line to penetration point on the graph"), row);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { forward([](TForm2& f) { f.SpeedButton1Click(); }); });
    layout->addWidget(SpeedButton1);
    Label1 = readout(QStringLiteral("Label1"), row);
    layout->addWidget(Label1);
    layout->addSpacing(6);

    SpeedButton2 = pictureButton(QStringLiteral("SpeedButton2"), maximumIcon(),
                                 QStringLiteral("Move reference line to the maximum value"), row);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { forward([](TForm2& f) { f.SpeedButton2Click(); }); });
    layout->addWidget(SpeedButton2);
    Label2 = readout(QStringLiteral("Label2"), row);
    layout->addWidget(Label2);
    layout->addStretch(1);

    Button1 = new QPushButton(QStringLiteral("Close"), row);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, [this] { forward([](TForm2& f) { f.Button1Click(); }); });
    layout->addWidget(Button1);
    return row;
}

void GraphWindow::buildMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->setToolTipsVisible(true);

    xy = menuItem(QStringLiteral("xy"), QStringLiteral("Copy X and  Y to clipboard"),
                  QStringLiteral("Copy the X and Y co-ordinates of the curve to the clipboard"), PopupMenu1);
    y = menuItem(QStringLiteral("y"), QStringLiteral("Copy Y only to clipboard"),
                 QStringLiteral("Copy the Y co-ordinates of the curve to the clipboard"), PopupMenu1);
    connect(xy, &QAction::triggered, this, [this] { forward([](TForm2& f) { f.xyClick(); }); });
    connect(y, &QAction::triggered, this, [this] { forward([](TForm2& f) { f.yClick(); }); });
    PopupMenu1->addAction(xy);
    PopupMenu1->addAction(y);
    PopupMenu1->addSeparator();

    auto* resolutions = new QActionGroup(PopupMenu1);
    resolutions->setExclusive(true);
    extrafine = menuItem(QStringLiteral("extrafine"), QStringLiteral("0.01mm X axis resolution"),
                         QStringLiteral("High resolution"), resolutions);
    fine = menuItem(QStringLiteral("fine"), QStringLiteral("0.1mm X axis resolution"),
                    QStringLiteral("Medium resolution"), resolutions);
    coarse = menuItem(QStringLiteral("coarse"), QStringLiteral("0.5 mm X axis resolution"),
                      QStringLiteral("Low resolution"), resolutions);
    for (QAction* item : {extrafine, fine, coarse}) {
        item->setCheckable(true);
        PopupMenu1->addAction(item);
    }
    connect(extrafine, &QAction::triggered, this, [this] { forward([](TForm2& f) { f.extrafineClick(); }); });
    connect(fine, &QAction::triggered, this, [this] { forward([](TForm2& f) { f.fineClick(); }); });
    connect(coarse, &QAction::triggered, this, [this] { forward([](TForm2& f) { f.coarseClick(); }); });
}

template <typename Handler>
void GraphWindow::forward(Handler handler)
{
    handler(form_);
    refresh();
}

void GraphWindow::refresh()
{
    XYGraph1->clearPlots();
    if (form_.PointCount() > 0)
        XYGraph1->plot(form_.XData.data(), form_.YData.data(), 0, form_.PointCount(), CurveColor);
    XYGraph1->setLimits({form_.XMin, form_.XMax, 0.0, form_.YMax});
    XYGraph1->setCursorIndex(form_.CursorIndex);

    Label1->setText(form_.Label1.text);
    Label2->setText(form_.Label2.text);
    Label3->setText(form_.Label3.text);
    UpDown1->setEnabled(form_.UpDown1.enabled);
    SpeedButton1->setEnabled(form_.SpeedButton1.enabled);
    SpeedButton2->setEnabled(form_.SpeedButton2.enabled);

    xy->setEnabled(form_.xy.enabled);
    y->setEnabled(form_.y.enabled);
    extrafine->setChecked(form_.extrafine.checked);
    fine->setChecked(form_.fine.checked);
    coarse->setChecked(form_.coarse.checked);

    if (form_.FGraphShown != isVisible())
        setVisible(form_.FGraphShown);
}

void GraphWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        form_.FGraphShown = true;
    QWidget::showEvent(event);
}

void GraphWindow::closeEvent(QCloseEvent* event)
{
    // Closing only hides the window; it lives as long as the driver.
    form_.Button1Click();
    event->accept();
}

} // namespace qlx::driver
