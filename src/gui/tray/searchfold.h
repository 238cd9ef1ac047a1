#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>

// Text as a search compares it, the way a search engine or a browser's find does: case folded
// in full ("Straße" as "strasse"), without accents, ligatures and width forms as their plain
// letters ("ﬁ" as "fi", "Ａ" as "a"), "æ", "œ" and the stroked letters as their base letters.
// Each character is folded on its own, so a text can be folded piece by piece into a buffer
// that is used again for the next one: searching a thousand notes allocates nothing.
class SearchFold final
{
public:
    SearchFold();
    ~SearchFold();
    Q_DISABLE_COPY_MOVE(SearchFold)

    QString folded(QStringView text);
    /** Folds the text into `into`, whose memory is kept for the next call. */
    void foldInto(QStringView text, QString &into);

private:
    /** What one character (a surrogate pair counts as one) folds to. */
    QStringView piece(char32_t character);
    static QString foldCharacter(char32_t character);

    // Computed when a character is first met: an offset into m_pieces and a length, per
    // character of the basic plane; the rarer ones apart.
    std::unique_ptr<quint32[]> m_basic;
    QString m_pieces;
    QHash<char32_t, QString> m_supplementary;
};
