#include "settings/ui/SettingsForm.h"

#include "common/ui/SecondaryText.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace kestrel {

namespace {

constexpr int sectionRadius = 8;
constexpr int rowPaddingX = 12;
constexpr int rowPaddingY = 9;

} // namespace

FormRow::FormRow(const QString& title, const QString& subtitle, QWidget* control, QWidget* parent)
    : QWidget(parent), m_control(control)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(rowPaddingX, rowPaddingY, rowPaddingX, rowPaddingY);
    layout->setSpacing(12);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* titleLabel = new QLabel(title, this);
    titleLabel->setTextFormat(Qt::PlainText);
    texts->addWidget(titleLabel);
    m_subtitle = new QLabel(this);
    m_subtitle->setTextFormat(Qt::PlainText);
    m_subtitle->setWordWrap(true);
    showAsSecondary(*m_subtitle);
    QFont small = m_subtitle->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_subtitle->setFont(small);
    texts->addWidget(m_subtitle);
    layout->addLayout(texts, 1);
    if (m_control) {
        m_control->setParent(this);
        layout->addWidget(m_control, 0, Qt::AlignVCenter);
        m_control->setAccessibleName(title);
        titleLabel->setBuddy(m_control);
    }
    setSubtitle(subtitle);
}

QString FormRow::subtitle() const
{
    return m_subtitle->text();
}

void FormRow::setSubtitle(const QString& subtitle)
{
    m_subtitle->setText(subtitle);
    m_subtitle->setVisible(!subtitle.isEmpty());
    if (m_control)
        m_control->setAccessibleDescription(subtitle);
}

FormSection::FormSection(QWidget* parent) : QFrame(parent), m_rows(new QVBoxLayout(this))
{
    m_rows->setContentsMargins(0, 2, 0, 2);
    m_rows->setSpacing(0);
}

void FormSection::addRow(QWidget* row)
{
    if (m_rows->count() > 0) {
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFixedHeight(1);
        line->setContentsMargins(rowPaddingX, 0, rowPaddingX, 0);
        QPalette colors = line->palette();
        colors.setColor(QPalette::WindowText, palette().color(QPalette::Midlight));
        line->setPalette(colors);
        m_rows->addWidget(line);
    }
    row->setParent(this);
    m_rows->addWidget(row);
}

void FormSection::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath background;
    background.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), sectionRadius, sectionRadius);
    painter.fillPath(background, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Midlight));
    painter.drawPath(background);
}

SettingsForm::SettingsForm(QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(this);
    m_sections = new QVBoxLayout(content);
    m_sections->setContentsMargins(24, 8, 24, 20);
    m_sections->setSpacing(16);
    m_sections->addStretch(1);
    setWidget(content);
}

FormSection* SettingsForm::addSection()
{
    auto* section = new FormSection(widget());
    m_sections->insertWidget(m_sections->count() - 1, section);
    return section;
}

QLabel* SettingsForm::addFooter(const QString& text)
{
    auto* footer = new QLabel(text, widget());
    footer->setAlignment(Qt::AlignHCenter);
    showAsSecondary(*footer);
    m_sections->insertWidget(m_sections->count() - 1, footer);
    return footer;
}

} // namespace kestrel
