// MainWindow realised with Qt Widgets, built from the form description.
//
// The window only translates: it builds the controls the table describes, forwards their
// notifications to MainWindowForm, and asks the core what its own keys do and where Tab goes.
#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "ui/form.h"
#include "ui/main_window_form.h"

class QLineEdit;
class QAbstractButton;

namespace marrowick {

class MainWindowQt final : public QWidget {
  public:
    // Builds the window and its controls hidden, in creation order, then stacks them in form
    // order. Nothing is forwarded anywhere until attach().
    MainWindowQt();
    ~MainWindowQt() override;

    // From now on the controls' notifications reach `form`.
    void attach(MainWindowForm& form);

    // Shows the window centred on its screen, its outer frame exactly the form's size, off the
    // task bar, with the focus on the first control of the tab order.
    void show_centred();

    // Called when the window begins to close, before it is gone.
    std::function<void()> on_closing;

    [[nodiscard]] QWidget* control(ControlId id) const;
    [[nodiscard]] QLineEdit* edit_box(ControlId id) const;
    [[nodiscard]] QAbstractButton* button(ControlId id) const;
    [[nodiscard]] std::optional<ControlId> control_id_of(const QWidget* widget) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void create_control(const ControlSpec& entry);
    bool handle_window_key(QKeyEvent* event);
    void move_to_centre();
    void fit_outer_frame();

    std::array<std::unique_ptr<QWidget>, control_count> controls_;  // indexed by ControlId
    MainWindowForm* form_ = nullptr;
    bool frame_fitted_ = false;
};

}  // namespace marrowick
