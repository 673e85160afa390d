#pragma once

#include <QFrame>
#include <QScrollArea>
#include <QString>

class QLabel;
class QVBoxLayout;

namespace kestrel {

// One row of a settings section: a title with an optional subtitle in the secondary colour
// under it, and the row's control on the trailing side. The control is named and described
// by the title and subtitle for screen readers.
class FormRow final : public QWidget {
public:
    FormRow(const QString& title, const QString& subtitle, QWidget* control, QWidget* parent = nullptr);

    QWidget* control() const { return m_control; }
    void setSubtitle(const QString& subtitle);
    QString subtitle() const;

private:
    QLabel* m_subtitle = nullptr;
    QWidget* m_control = nullptr;
};

// A group of rows on a rounded background, with a thin line between rows.
class FormSection final : public QFrame {
public:
    explicit FormSection(QWidget* parent = nullptr);
    // Takes `row` (a FormRow or any widget spanning the section's width).
    void addRow(QWidget* row);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* m_rows;
};

// A section's page: its groups, one under the other, scrolling when the window is low.
class SettingsForm final : public QScrollArea {
public:
    explicit SettingsForm(QWidget* parent = nullptr);
    FormSection* addSection();
    // Small secondary text centred under the last section.
    QLabel* addFooter(const QString& text);

private:
    QVBoxLayout* m_sections;
};

} // namespace kestrel
