// The floor for a Qt window like ours: the same nine widgets at the same places, with none of
// the program's behaviour, for comparing start-up time and memory.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <memory>
#include <vector>

#include "ui/form.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.setFixedSize(537, 202);
    std::vector<std::unique_ptr<QWidget>> widgets;
    for (const marrowick::ControlSpec& entry : marrowick::main_window_form().controls) {
        const QString caption =
            QString::fromUtf8(entry.caption.data(), static_cast<qsizetype>(entry.caption.size()));
        std::unique_ptr<QWidget> widget;
        switch (entry.kind) {
            case marrowick::ControlKind::EditBox:
                widget = std::make_unique<QLineEdit>(caption, &window);
                break;
            case marrowick::ControlKind::PushButton:
                widget = std::make_unique<QPushButton>(caption, &window);
                break;
            case marrowick::ControlKind::CheckBox:
                widget = std::make_unique<QCheckBox>(caption, &window);
                break;
            case marrowick::ControlKind::Label:
                widget = std::make_unique<QLabel>(caption, &window);
                break;
        }
        widget->setGeometry(entry.geometry.left, entry.geometry.top, entry.geometry.width,
                            entry.geometry.height);
        widgets.push_back(std::move(widget));
    }
    window.show();
    return QApplication::exec();
}
