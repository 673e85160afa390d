#include "common/ui/AccessibleToggles.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace kestrel {
namespace {

class AccessibleToggle final : public QAccessibleWidget {
public:
    explicit AccessibleToggle(QAbstractButton* button)
        : QAccessibleWidget(button, button->autoExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !button()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        // The button's own text, without the ampersand that marks its mnemonic.
        QString name;
        const QString text = button()->text();
        for (qsizetype at = 0; at < text.size(); ++at) {
            if (text[at] == u'&' && at + 1 < text.size())
                ++at;
            name += text[at];
        }
        return name;
    }

    QStringList actionNames() const override { return QStringList{toggleAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action != toggleAction())
            return QAccessibleWidget::doAction(action);
        // A click, so that whatever listens for the user's choice hears it; a radio-like
        // button already chosen stays chosen, as under the pointer.
        if (button()->isEnabled())
            button()->click();
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* accessibleToggle(const QString&, QObject* object)
{
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (!button || !button->isCheckable())
        return nullptr;
    return new AccessibleToggle(button);
}

} // namespace

void installAccessibleToggles()
{
    QAccessible::installFactory(accessibleToggle);
}

} // namespace kestrel
