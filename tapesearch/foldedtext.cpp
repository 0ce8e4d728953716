#include "tapesearch/foldedtext.h"

#include <QList>
#include <QString>
#include <algorithm>

namespace {

bool IsSpace(char32_t c) {
    return QChar::isSpace(c);
}

// The dots that stand between the two l's of "col·legi": the middle dot
// (also the second half of ŀ), the hyphenation point, the bullet and dot
// operators and the katakana middle dots that other keyboards offer.
bool IsMiddleDot(char32_t c) {
    return c == U'\u00B7' || c == U'\u2027' || c == U'\u2219' || c == U'\u22C5' || c == U'\u30FB' ||
           c == U'\uFF65';
}

bool IsApostrophe(char32_t c) {
    return c == U'\u2018' || c == U'\u2019' || c == U'\u201B' || c == U'\u02BC' || c == U'\u00B4' ||
           c == U'\u2032';
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The last step of folding, on characters already without case and marks:
// white space as single blanks inside the text, and no dot between two l's.
// A dot after an l waits for the next character to know whether it stays.
class FoldedWriter {
public:
    void Put(char32_t c) {
        if (IsSpace(c)) {
            FlushDot();
            blank_ = !out_.empty();
            return;
        }
        if (dot_ != 0) {
            if (c != U'l') AppendUtf8(out_, dot_);
            dot_ = 0;
        }
        if (blank_) {
            out_ += ' ';
            blank_ = false;
            afterL_ = false;
        }
        if (afterL_ && (c == U'.' || IsMiddleDot(c))) {
            dot_ = c;
            afterL_ = false;
            return;
        }
        AppendUtf8(out_, c);
        afterL_ = c == U'l';
    }

    // `dropEndingMiddleDot`: a middle dot left waiting at the end goes.
    std::string Take(bool dropEndingMiddleDot) {
        if (!(dropEndingMiddleDot && IsMiddleDot(dot_))) FlushDot();
        return std::move(out_);
    }

private:
    void FlushDot() {
        if (dot_ != 0) AppendUtf8(out_, dot_);
        dot_ = 0;
    }

    std::string out_;
    char32_t dot_ = 0;
    bool blank_ = false;
    bool afterL_ = false;
};

// Most comments are plain ASCII: lower case is all their folding takes.
void PutAscii(std::string_view text, FoldedWriter& writer) {
    for (const char c : text)
        writer.Put(static_cast<char32_t>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
}

// The apostrophes become the plain one before the decomposition, which
// would make an acute accent used as one a blank and a mark, and after it,
// which gives one of ŉ. Case folding before the
// decomposition folds what decomposes in lower case only; folding again
// after it takes the capitals that a compatibility decomposition gives (ℌ
// is H).
void PutUnicode(std::string_view text, FoldedWriter& writer) {
    QString typed = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (QChar& c : typed) {
        if (IsApostrophe(c.unicode())) c = QLatin1Char('\'');
    }
    std::u32string bare;
    for (const char32_t c :
         typed.toCaseFolded().normalized(QString::NormalizationForm_KD).toUcs4()) {
        if (!QChar::isMark(c)) bare += IsApostrophe(c) ? U'\'' : c;
    }
    const QString unmarked = QString::fromUcs4(bare.data(), static_cast<qsizetype>(bare.size()));
    for (const char32_t c : unmarked.toCaseFolded().toUcs4())
        writer.Put(c);
}

std::string Folded(std::string_view text, bool query) {
    FoldedWriter writer;
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        PutAscii(text, writer);
    } else {
        PutUnicode(text, writer);
    }
    return writer.Take(query);
}

}  // namespace

std::string FoldedText(std::string_view text) {
    return Folded(text, false);
}

std::string FoldedQuery(std::string_view text) {
    return Folded(text, true);
}
