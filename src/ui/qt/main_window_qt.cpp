#include "ui/qt/main_window_qt.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <limits>
#include <ranges>

#include "ui/qt/form_line_edit_qt.h"
#include "ui/qt/task_bar.h"
#include "ui/tab_order.h"
#include "ui/window_keys.h"
#include "ui/window_position.h"

namespace marrowick {
namespace {

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::size_t index_of(ControlId id) {
    return static_cast<std::size_t>(id);
}

Key key_of(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return Key::Tab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Enter;
        case Qt::Key_Escape:
            return Key::Escape;
        case Qt::Key_F1:
            return Key::F1;
        default:
            return Key::Other;
    }
}

KeyModifiers modifiers_of(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers();
    return {.shift = held.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
            .control = held.testFlag(Qt::ControlModifier),
            .alt = held.testFlag(Qt::AltModifier)};
}

// Black text on white, in every state: the command field shows its text plainly although it
// is disabled.
void paint_edit_box(QLineEdit& box) {
    QPalette palette = box.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::Base, Qt::white);
    }
    box.setPalette(palette);
}

void paint_black_text(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    widget.setPalette(palette);
}

}  // namespace

MainWindowQt::MainWindowQt() {
    const WindowSpec& settings = main_window_form().window;
    setObjectName(qt_text(settings.name));
    setWindowTitle(qt_text(settings.title));
    // A fixed frame with a title bar, a system menu, minimise and close, and no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(settings.outer_size.width,
                 settings.outer_size.height);  // shrunk once a frame shows
    QIcon icon;
    for (int side : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(qt_text(settings.icon_name)).arg(side),
                     QSize(side, side));
    }
    setWindowIcon(icon);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);

    for (ControlId id : creation_order()) {
        create_control(control_spec(id));
    }
    // Stacking in form order: the first control of the form on top.
    const auto& controls = main_window_form().controls;
    for (const ControlSpec& entry : std::views::reverse(controls)) {
        control(entry.id)->raise();
    }
}

MainWindowQt::~MainWindowQt() = default;

void MainWindowQt::create_control(const ControlSpec& entry) {
    std::unique_ptr<QWidget> widget;
    switch (entry.kind) {
        case ControlKind::EditBox: {
            auto box = std::make_unique<FormLineEdit>(entry.input_mode, this);
            box->setMaxLength(std::numeric_limits<int>::max());  // no limit of its own
            box->setText(qt_text(entry.caption));
            box->setCursorPosition(0);
            box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            paint_edit_box(*box);
            widget = std::move(box);
            break;
        }
        case ControlKind::PushButton: {
            auto button = std::make_unique<QPushButton>(qt_text(entry.caption), this);
            button->setAutoDefault(false);  // Enter never presses it
            button->setDefault(false);
            widget = std::move(button);
            break;
        }
        case ControlKind::CheckBox: {
            auto box = std::make_unique<QCheckBox>(qt_text(entry.caption), this);
            box->setLayoutDirection(Qt::RightToLeft);  // the box right of its caption
            box->setChecked(entry.initially_checked);
            paint_black_text(*box);
            widget = std::move(box);
            break;
        }
        case ControlKind::Label: {
            auto label = std::make_unique<QLabel>(qt_text(entry.caption), this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setWordWrap(false);
            label->setTextFormat(Qt::PlainText);
            label->setAutoFillBackground(true);  // filled with the face colour
            label->setBackgroundRole(QPalette::Window);
            paint_black_text(*label);
            widget = std::move(label);
            break;
        }
    }
    widget->setObjectName(qt_text(entry.name));
    widget->setGeometry(entry.geometry.left, entry.geometry.top, entry.geometry.width,
                        entry.geometry.height);
    widget->setEnabled(entry.enabled);
    widget->setFocusPolicy(entry.tab_stop && entry.kind != ControlKind::Label ? Qt::StrongFocus
                                                                              : Qt::NoFocus);
    widget->setVisible(entry.visible);
    widget->installEventFilter(this);  // the window sees each key before the control
    controls_[index_of(entry.id)] = std::move(widget);
}

void MainWindowQt::attach(MainWindowForm& form) {
    form_ = &form;
    for (const ControlSpec& entry : main_window_form().controls) {
        QWidget* widget = control(entry.id);
        const ControlId id = entry.id;
        if (auto* box = dynamic_cast<FormLineEdit*>(widget)) {
            connect(box, &QLineEdit::textChanged, this, [this, id] { form_->text_changed(id); });
            box->on_focus_left = [this, id] { form_->focus_left(id); };
        } else if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
            // QAbstractButton reports clicked after a check box has toggled.
            connect(button, &QAbstractButton::clicked, this, [this, id] { form_->clicked(id); });
        }
    }
}

void MainWindowQt::move_to_centre() {
    // Over the whole screen, not the work area; move() places the outer frame.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect full = screen != nullptr ? screen->geometry() : QRect(0, 0, 0, 0);
    const Point at =
        centred_position({full.width(), full.height()}, main_window_form().window.outer_size);
    move(full.left() + at.x, full.top() + at.y);
}

void MainWindowQt::show_centred() {
    keep_off_task_bar(*this);  // must precede the first show
    move_to_centre();
    show();
    activateWindow();
    raise();
}

void MainWindowQt::fit_outer_frame() {
    // A window manager adds its frame around the client area; shrink the client area so that
    // the outer frame keeps the form's size, and keep it centred.
    const Size outer = main_window_form().window.outer_size;
    const QRect frame = frameGeometry();
    const int extra_width = frame.width() - width();
    const int extra_height = frame.height() - height();
    if (extra_width == 0 && extra_height == 0) {
        return;
    }
    frame_fitted_ = true;
    setFixedSize(outer.width - extra_width, outer.height - extra_height);
    move_to_centre();
}

QWidget* MainWindowQt::control(ControlId id) const {
    return controls_[index_of(id)].get();
}

QLineEdit* MainWindowQt::edit_box(ControlId id) const {
    return dynamic_cast<QLineEdit*>(control(id));
}

QAbstractButton* MainWindowQt::button(ControlId id) const {
    return dynamic_cast<QAbstractButton*>(control(id));
}

std::optional<ControlId> MainWindowQt::control_id_of(const QWidget* widget) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].get() == widget) {
            return static_cast<ControlId>(i);
        }
    }
    return std::nullopt;
}

bool MainWindowQt::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        return handle_window_key(static_cast<QKeyEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindowQt::keyPressEvent(QKeyEvent* event) {
    if (!handle_window_key(event)) {
        QWidget::keyPressEvent(event);
    }
}

bool MainWindowQt::handle_window_key(QKeyEvent* event) {
    switch (window_key_action(key_of(*event), modifiers_of(*event), main_window_form().window)) {
        case WindowKeyAction::PassToControl:
            return false;
        case WindowKeyAction::FocusNext:
            focusNextPrevChild(true);
            return true;
        case WindowKeyAction::FocusPrevious:
            focusNextPrevChild(false);
            return true;
        case WindowKeyAction::CloseWindow:
            close();
            return true;
    }
    return false;
}

bool MainWindowQt::focusNextPrevChild(bool next) {
    const std::optional<ControlId> target =
        next_in_tab_order(main_window_tab_order(), control_id_of(focusWidget()),
                          next ? TabDirection::Forward : TabDirection::Backward);
    if (target) {
        control(*target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
}

bool MainWindowQt::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
            // The control that had the focus when the window was left gets it back (Qt keeps
            // it as the focus widget); at first there is none and the tab order's first gets it.
            if (!control_id_of(focusWidget())) {
                focusNextPrevChild(true);
            }
            // A window manager activates the window once it has framed it, and the frame is
            // known only from then on.
            if (!frame_fitted_) {
                fit_outer_frame();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            if (!frame_fitted_ && isVisible()) {
                fit_outer_frame();
            }
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void MainWindowQt::closeEvent(QCloseEvent* event) {
    if (on_closing) {
        on_closing();
    }
    event->accept();  // closing is never refused
}

}  // namespace marrowick
