#include "main_window.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "command_table.hpp"
#include "document_texts.hpp"

// Outside any namespace, as the resource compiler's initialiser is.
static void InitAppResources() {
    Q_INIT_RESOURCE(app);
}

namespace vertanum::app {
namespace {

constexpr int kPanelWidths[5] = {300, 69, 50, 80, 50};
constexpr int kProgressLeft = 120;

Messages& MessagesOf(const MainWindowServices& s, std::unique_ptr<QtMessages>& own) {
    if (s.messages) return *s.messages;
    own = std::make_unique<QtMessages>();
    return *own;
}

Dialogs& DialogsOf(const MainWindowServices& s, std::unique_ptr<QtDialogs>& own) {
    if (s.dialogs) return *s.dialogs;
    own = std::make_unique<QtDialogs>();
    return *own;
}

QIcon CommandIcon(std::string_view name) {
    return QIcon(":/icons/" + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                 ".png");
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TfrmMain::TfrmMain(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      messages_(MessagesOf(services, own_messages_)),
      dialogs_(DialogsOf(services, own_dialogs_)),
      ports_(services.ports ? *services.ports : no_ports_),
      resources_(services.firmware_folder ? *services.firmware_folder
                                          : resources::ResourceStore::DefaultUserFolder()),
      registry_(DeviceContext{&messages_, &resources_}) {
    InitAppResources();
    if (own_messages_) own_messages_->SetParent(this);
    setObjectName("frmMain");
    setWindowTitle(Text(kApplicationTitle));
    resize(680, 499);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    client_ = new QWidget(this);
    client_layout_ = new QVBoxLayout(client_);
    client_layout_->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(client_);

    // The progress display in the first panel, at rest.
    BuildStatusBar();
    progress_->SetStatus("  ");
    progress_->SetPosition(0);
    progress_->ShowPercentage(false);
    panels_[2]->setText("00:00");

    // The models, then their editors in the same order; the rules run on tmrInsAction.
    registry_.BuildDeviceRegistry();
    ins_timer_ = std::make_unique<QtDependencyTimer>([this]() -> RowModel* {
        TInsDevices* editor = OpenEditor();
        return editor ? editor->Rows() : nullptr;
    });
    editors_ = std::make_unique<EditorList>(ins_timer_.get());

    BuildMenu();
    BuildToolBar();
    MenuButtonEn();

    lpt_port_number_ = -1;

    tmr_time_ = new QTimer(this);
    tmr_time_->setObjectName("tmrTime");
    tmr_time_->setInterval(1000);
    connect(tmr_time_, &QTimer::timeout, this, &TfrmMain::tmrTimeTimer);
    tmr_time_->start();
    tmrTimeTimer();
}

TfrmMain::~TfrmMain() {
    // The grid follows the rows of the open editor, so it goes first; then the editors, then
    // the models they edit.
    delete ins_main_.data();
    editors_.reset();
    registry_.FreeDeviceRegistry();
    ins_timer_.reset();
}

void TfrmMain::BuildMenu() {
    for (const MenuSpec& spec : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(Text(spec.caption));
        QAction* top = menu->menuAction();
        top->setObjectName(Text(spec.name));
        actions_[std::string(spec.name)] = top;
        // Opening a menu commits a pending edit and refreshes the enabling of its items.
        connect(menu, &QMenu::aboutToShow, this, [this, top] { OnClickMainMenuEvent(top); });
        for (const MenuItemSpec& item : spec.items) {
            QAction* action = menu->addAction(CommandIcon(item.icon), Text(item.caption));
            action->setObjectName(Text(item.name));
            if (!item.hint.empty()) {
                action->setStatusTip(Text(item.hint));
                action->setToolTip(Text(item.hint));
            }
            if (!item.shortcut.empty()) action->setShortcut(QKeySequence(Text(item.shortcut)));
            connect(action, &QAction::triggered, this,
                    [this, action] { OnClickMainMenuEvent(action); });
            actions_[std::string(item.name)] = action;
            if (item.separator_after) menu->addSeparator();
        }
    }
}

void TfrmMain::BuildToolBar() {
    tool_bar_ = addToolBar(QString());
    tool_bar_->setObjectName("tbMain");
    tool_bar_->setMovable(false);
    tool_bar_->setFloatable(false);
    tool_bar_->setIconSize(QSize(32, 32));
    tool_bar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tool_bar_->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const ToolButtonSpec& spec : MainToolBar()) {
        if (spec.name.empty()) {
            tool_bar_->addSeparator();
            continue;
        }
        auto* action = new QAction(CommandIcon(spec.icon), Text(spec.caption), tool_bar_);
        action->setObjectName(Text(spec.name));
        action->setToolTip(Text(spec.hint));
        action->setStatusTip(Text(spec.hint));
        tool_bar_->addAction(action);
        auto* button = qobject_cast<QToolButton*>(tool_bar_->widgetForAction(action));
        if (button) {
            button->setObjectName(Text(spec.name));
            button->setFixedSize(39, 38);
            button->setAutoRaise(true);
            buttons_[std::string(spec.name)] = button;
        }
        connect(action, &QAction::triggered, this,
                [this, action] { OnClickMainMenuEvent(action); });
        actions_[std::string(spec.name)] = action;
    }
}

void TfrmMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);

    auto* first = new QLabel(bar);
    first->setObjectName("pnlStatus0");
    first->setFixedWidth(kPanelWidths[0]);
    first->setFrameShape(QFrame::Panel);
    first->setFrameShadow(QFrame::Sunken);
    first->setMinimumHeight(24);
    panels_[0] = first;
    bar->addWidget(first);

    pbr_process_ = new QProgressBar(first);
    pbr_process_->setObjectName("pbrProcess");
    pbr_process_->setRange(0, 100);
    pbr_process_->setGeometry(kProgressLeft, 3, kPanelWidths[0] - kProgressLeft - 1, 18);
    pbr_process_->setAlignment(Qt::AlignCenter);
    pbr_process_->setStyleSheet(
        "QProgressBar { border: 1px solid #808080; background: white; color: black; }"
        "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
        "stop:0 #000080, stop:1 #ffffff); }");

    lbl_process_ = new QLabel(first);
    lbl_process_->setObjectName("lblProcess");
    lbl_process_->setGeometry(2, 3, kPanelWidths[0] - pbr_process_->width() - 2, 18);

    for (int panel = 1; panel < 5; ++panel) {
        auto* label = new QLabel(bar);
        label->setObjectName(QString("pnlStatus%1").arg(panel));
        label->setFixedWidth(kPanelWidths[panel]);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        if (panel != 4) label->setAlignment(Qt::AlignCenter);
        panels_[panel] = label;
        bar->addWidget(label);
    }
    panels_[3]->setText("xxx МГц");
    progress_ = std::make_unique<StatusProgress>(lbl_process_, pbr_process_);
}

QAction* TfrmMain::Action(const std::string& name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QToolButton* TfrmMain::Button(const std::string& name) const {
    const auto found = buttons_.find(name);
    return found == buttons_.end() ? nullptr : found->second;
}

QLabel* TfrmMain::StatusPanel(int panel) const {
    return panel >= 0 && panel < 5 ? panels_[panel] : nullptr;
}

void TfrmMain::tmrTimeTimer() {
    panels_[1]->setText(QTime::currentTime().toString("hh:mm:ss"));
}

TDevices* TfrmMain::OpenModel() const {
    return registry_.At(registry_.IsOpened());
}

TInsDevices* TfrmMain::OpenEditor() const {
    return editors_->At(registry_.IsOpened());
}

void TfrmMain::SetEnabled(bool enabled) {
    setEnabled(enabled);
}

void TfrmMain::Repaint() {
    repaint();
}

void TfrmMain::ShowRows(RowModel& rows) {
    delete ins_main_.data();
    ins_main_ = new PropertyGrid(*this, messages_, client_);
    client_layout_->addWidget(ins_main_);
    ins_main_->SetRows(&rows);
    ins_main_->show();
    ins_main_->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::RemoveRows(RowModel&) {
    if (!ins_main_) return;
    ins_main_->CancelEdit();
    ins_main_->SetRows(nullptr);
    delete ins_main_.data();
}

EditOutcome TfrmMain::insMainEditValidate(const Row& row, const std::string& text) {
    TDevices* model = OpenModel();
    TInsDevices* editor = OpenEditor();
    if (!model || !editor) return {false, "Нет открытого документа."};
    return PostRowValue(*editor, *model, row.Name(), text);
}

void TfrmMain::insMainToggleClick(const Row& row, const std::string& text) {
    TDevices* model = OpenModel();
    TInsDevices* editor = OpenEditor();
    if (!model || !editor) return;
    // A toggle is always taken; what the map answers is not shown.
    PostRowValue(*editor, *model, row.Name(), text);
    MenuButtonEn();
}

void TfrmMain::insMainEditChange() {
    if (TDevices* model = OpenModel()) model->Modified = true;
    MenuButtonEn();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (ins_main_ && !ins_main_->CommitEdit()) {
        event->ignore();
        return;
    }
    if (devClose() < 0) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace vertanum::app
