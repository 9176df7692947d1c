#include "forms/FormDescription.h"

#include "runtime/RuntimeError.h"

namespace forms {

namespace {

class Parser {
public:
    explicit Parser(const QString& text) : m_text(text) {}

    FormNode parseRoot()
    {
        FormNode root = parseObject();
        skipBlanks();
        if (m_pos < m_text.size())
            fail(QStringLiteral("text after the last 'end'"));
        return root;
    }

private:
    [[noreturn]] void fail(const QString& what) const
    {
        throw runtime::RuntimeError(QStringLiteral("Form description, line %1: %2").arg(m_line).arg(what));
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (c == u'\n') {
                ++m_line;
                ++m_pos;
            } else if (c.isSpace()) {
                ++m_pos;
            } else if (c == u'/' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'/') {
                while (m_pos < m_text.size() && m_text[m_pos] != u'\n')
                    ++m_pos;
            } else {
                break;
            }
        }
    }

    bool atWord(const QString& word)
    {
        skipBlanks();
        if (!m_text.mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive)) {
            const qsizetype end = m_pos + word.size();
            return end >= m_text.size() || !isIdentChar(m_text[end]);
        }
        return false;
    }

    static bool isIdentChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'.'; }

    QString identifier()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && isIdentChar(m_text[m_pos]))
            ++m_pos;
        if (start == m_pos)
            fail(QStringLiteral("a name was expected"));
        return m_text.mid(start, m_pos - start);
    }

    void expect(QChar c)
    {
        skipBlanks();
        if (m_pos >= m_text.size() || m_text[m_pos] != c)
            fail(QStringLiteral("'%1' was expected").arg(c));
        ++m_pos;
    }

    bool peek(QChar c)
    {
        skipBlanks();
        return m_pos < m_text.size() && m_text[m_pos] == c;
    }

    FormNode parseObject()
    {
        if (!atWord(QStringLiteral("object")))
            fail(QStringLiteral("'object' was expected"));
        m_pos += 6;
        FormNode node;
        node.name = identifier();
        expect(u':');
        node.className = identifier();
        for (;;) {
            if (atWord(QStringLiteral("end"))) {
                m_pos += 3;
                return node;
            }
            if (atWord(QStringLiteral("object"))) {
                node.children.append(parseObject());
                continue;
            }
            if (m_pos >= m_text.size())
                fail(QStringLiteral("'end' was expected"));
            node.properties.append(parseProperty());
        }
    }

    FormProperty parseProperty()
    {
        FormProperty property;
        property.name = identifier();
        property.line = m_line;
        expect(u'=');
        property.value = parseValue();
        return property;
    }

    QString quoted()
    {
        // Called at the opening quote.
        ++m_pos;
        QString result;
        for (;;) {
            if (m_pos >= m_text.size() || m_text[m_pos] == u'\n')
                fail(QStringLiteral("unterminated string"));
            if (m_text[m_pos] == u'\'') {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\'') {
                    result += u'\'';
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                return result;
            }
            result += m_text[m_pos++];
        }
    }

    // A string may be written in pieces joined by '+', and a piece may hold
    // #13#10-style character codes, so long texts keep their line breaks.
    QString stringExpression()
    {
        QString result;
        for (;;) {
            skipBlanks();
            if (peek(u'\''))
                result += quoted();
            else if (peek(u'#'))
                result += charCode();
            else
                fail(QStringLiteral("a string was expected"));
            if (m_pos < m_text.size() && (m_text[m_pos] == u'\'' || m_text[m_pos] == u'#'))
                continue;
            if (peek(u'+')) {
                ++m_pos;
                continue;
            }
            return result;
        }
    }

    QString charCode()
    {
        ++m_pos;
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos].isDigit())
            ++m_pos;
        bool ok = false;
        const uint code = m_text.mid(start, m_pos - start).toUInt(&ok);
        if (!ok || code > 0x10FFFF)
            fail(QStringLiteral("bad character code"));
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
    }

    FormValue parseValue()
    {
        FormValue value;
        skipBlanks();
        if (m_pos >= m_text.size())
            fail(QStringLiteral("a value was expected"));
        const QChar c = m_text[m_pos];
        if (c == u'\'' || c == u'#') {
            value.kind = FormValue::String;
            value.text = stringExpression();
        } else if (c == u'[') {
            ++m_pos;
            value.kind = FormValue::Set;
            while (!peek(u']')) {
                value.list << identifier();
                if (peek(u','))
                    ++m_pos;
            }
            ++m_pos;
        } else if (c == u'(') {
            ++m_pos;
            value.kind = FormValue::StringList;
            while (!peek(u')'))
                value.list << stringExpression();
            ++m_pos;
        } else if (c == u'<') {
            ++m_pos;
            value.kind = FormValue::Collection;
            while (!peek(u'>')) {
                if (!atWord(QStringLiteral("item")))
                    fail(QStringLiteral("'item' was expected"));
                m_pos += 4;
                FormValue::Item item;
                while (!atWord(QStringLiteral("end")))
                    item.properties.append(parseProperty());
                m_pos += 3;
                value.items.append(item);
            }
            ++m_pos;
        } else if (c == u'-' || c == u'$' || c.isDigit()) {
            parseNumber(value);
        } else {
            value.kind = FormValue::Identifier;
            value.text = identifier();
        }
        return value;
    }

    void parseNumber(FormValue& value)
    {
        const qsizetype start = m_pos;
        if (m_text[m_pos] == u'-')
            ++m_pos;
        const bool hex = m_pos < m_text.size() && m_text[m_pos] == u'$';
        if (hex)
            ++m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == u'.'))
            ++m_pos;
        QString token = m_text.mid(start, m_pos - start);
        bool ok = false;
        if (hex) {
            const bool negative = token.startsWith(u'-');
            value.integer = token.mid(negative ? 2 : 1).toLongLong(&ok, 16) * (negative ? -1 : 1);
            value.kind = FormValue::Integer;
        } else if (token.contains(u'.')) {
            value.number = token.toDouble(&ok);
            value.kind = FormValue::Float;
        } else {
            value.integer = token.toLongLong(&ok);
            value.kind = FormValue::Integer;
        }
        if (!ok)
            fail(QStringLiteral("'%1' is not a number").arg(token));
    }

    const QString& m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

} // namespace

FormNode ParseFormDescription(const QString& text)
{
    return Parser(text).parseRoot();
}

} // namespace forms
