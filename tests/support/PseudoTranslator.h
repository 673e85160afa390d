#pragma once

#include <QString>
#include <QTranslator>

namespace kestrel::test {

// A made-up language built from the English texts: each is wrapped in brackets and made 40 %
// longer (in short words, as a real language's longer words would wrap), so that a text shown
// without brackets was never translated and one cut short was not given room to grow. With
// `rightToLeft` it is written from right to left, and windows mirror as they would in Arabic.
class PseudoTranslator final : public QTranslator {
public:
    explicit PseudoTranslator(bool rightToLeft = false) : m_rightToLeft(rightToLeft) {}

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        const QString english = QString::fromUtf8(source);
        // Qt asks its catalogue which way the language is written.
        if (english == QLatin1String("QT_LAYOUT_DIRECTION") &&
            QLatin1String(context) == QLatin1String("QGuiApplication"))
            return m_rightToLeft ? QStringLiteral("RTL") : QStringLiteral("LTR");
        if (english.isEmpty())
            return {};
        const qsizetype extra = (english.size() * 2 + 4) / 5; // 40 %, rounded up
        QString padding;
        for (qsizetype at = 0; at < extra; ++at)
            padding += at % 6 == 5 ? u' ' : u'~';
        return u'[' + english + u' ' + padding + u']';
    }

    // Whether `text` is one this language made (or holds nothing to translate).
    static bool isPseudo(const QString& text) { return text.startsWith(u'[') && text.endsWith(u']'); }

private:
    bool m_rightToLeft;
};

} // namespace kestrel::test
