// A Qt window with a normal line edit above one in password mode, driven by the tests the
// way tests/support/a11y/password-fields-gtk is: "ready NX NY PX PY" once shown, "normal N" /
// "password N" on every change, and the commands "focus normal|password", "clear", "quit" on
// standard input.

#include <QApplication>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>

namespace {

void say(const std::string& line)
{
    std::cout << line << std::endl;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Kestrel test: Qt fields"));
    auto* layout = new QVBoxLayout(&window);
    std::map<std::string, QLineEdit*> fields{{"normal", new QLineEdit(&window)}, {"password", new QLineEdit(&window)}};
    fields["password"]->setEchoMode(QLineEdit::Password);
    for (const char* name : {"normal", "password"}) {
        QLineEdit* field = fields[name];
        field->setMinimumWidth(320);
        layout->addWidget(field);
        QObject::connect(field, &QLineEdit::textChanged,
                         [name](const QString& text) { say(std::string(name) + " " + std::to_string(text.size())); });
    }
    window.move(40, 40);
    window.show();

    QTimer::singleShot(300, [&] {
        const QPoint normal = fields["normal"]->mapToGlobal(fields["normal"]->rect().center());
        const QPoint password = fields["password"]->mapToGlobal(fields["password"]->rect().center());
        say("ready " + std::to_string(normal.x()) + " " + std::to_string(normal.y()) + " " +
            std::to_string(password.x()) + " " + std::to_string(password.y()));
    });
    QSocketNotifier commands(fileno(stdin), QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line) || line == "quit") {
            QApplication::quit();
            return;
        }
        if (line.rfind("focus ", 0) == 0 && fields.contains(line.substr(6))) {
            window.activateWindow();
            fields[line.substr(6)]->setFocus();
            say("focused " + line.substr(6));
        } else if (line == "clear") {
            for (auto& [name, field] : fields)
                field->clear();
            say("cleared");
        }
    });
    return application.exec();
}
