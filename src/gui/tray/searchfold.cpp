#include "gui/tray/searchfold.h"

#include <algorithm>

namespace {

constexpr int LengthBits = 5;   // a character's fold is at most 18 characters long

// Letters a search takes for their base letters, which Unicode does not decompose.
QStringView plainLetters(char16_t folded)
{
    switch (folded) {
    case 0x00DF: return u"ss";   // ß (and ẞ, folded to it)
    case 0x00E6: return u"ae";   // æ
    case 0x0153: return u"oe";   // œ
    case 0x00F8: return u"o";    // ø
    case 0x0111: return u"d";    // đ
    case 0x0127: return u"h";    // ħ
    case 0x0142: return u"l";    // ł
    case 0x0167: return u"t";    // ŧ
    default: return {};
    }
}

} // namespace

SearchFold::SearchFold()
    : m_basic(new quint32[0x10000]())
{
}

SearchFold::~SearchFold() = default;

QString SearchFold::foldCharacter(char32_t character)
{
    QString decomposed = QString::fromUcs4(&character, 1).normalized(QString::NormalizationForm_KD);
    decomposed.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    const QString cased = decomposed.toCaseFolded();
    QString result;
    for (const QChar c : cased) {
        const QStringView plain = plainLetters(c.unicode());
        if (plain.isEmpty())
            result += c;
        else
            result += plain;
    }
    return result;
}

QStringView SearchFold::piece(char32_t character)
{
    if (character > 0xFFFF) {
        auto it = m_supplementary.find(character);
        if (it == m_supplementary.end())
            it = m_supplementary.insert(character, foldCharacter(character));
        return *it;
    }
    quint32 &known = m_basic[character];
    if (known == 0) {
        const QString fold = foldCharacter(character);
        known = quint32(m_pieces.size()) << LengthBits | quint32(fold.size() + 1);
        m_pieces += fold;
    }
    return QStringView(m_pieces).mid(known >> LengthBits, (known & ((1u << LengthBits) - 1)) - 1);
}

void SearchFold::foldInto(QStringView text, QString &into)
{
    // Written through a pointer: this runs over every note's whole text at each key typed. The
    // buffer always has room for the rest of the text folded one to one, so only a character
    // that folds to several needs a check.
    const qsizetype size = text.size();
    into.resize(size);
    char16_t *out = reinterpret_cast<char16_t *>(into.data());
    const char16_t *in = text.utf16();
    qsizetype length = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = in[i];
        if (c < 0x80) {
            out[length++] = c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
            continue;
        }
        char32_t character = c;
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1]))
            character = QChar::surrogateToUcs4(c, in[++i]);
        const QStringView fold = piece(character);
        const qsizetype needed = length + fold.size() + (size - i - 1);
        if (needed > into.size()) {
            into.resize(std::max(into.size() * 2, needed));
            out = reinterpret_cast<char16_t *>(into.data());
        }
        std::copy_n(fold.utf16(), fold.size(), out + length);
        length += fold.size();
    }
    into.resize(length);
}

QString SearchFold::folded(QStringView text)
{
    QString result;
    foldInto(text, result);
    return result;
}
