#include "tapefiles/tapefile.h"

#include <QFile>
#include <algorithm>

#include "basic/filefailure.h"
#include "basic/platformerror.h"
#include "basic/savedfile.h"
#include "basic/stringlists.h"
#include "basic/texttools.h"
#include "basic/translation.h"
#include "tape/tapedocument.h"
#include "tapefiles/textfile.h"

namespace {

// Well-formed UTF-8: no stray continuation byte, no character cut short, no
// longer form than a character needs, no surrogate, nothing past U+10FFFF.
bool IsUtf8(std::string_view text) {
    const auto byte = [&text](size_t at) { return static_cast<unsigned char>(text[at]); };
    size_t at = 0;
    while (at < text.size()) {
        const unsigned char lead = byte(at);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || lead > 0xF4 || at + length > text.size()) return false;
        uint32_t code = lead & (0x7F >> length);
        for (size_t i = 1; i < length; ++i) {
            if (!IsUtf8Continuation(text[at + i])) return false;
            code = (code << 6) | (byte(at + i) & 0x3F);
        }
        static constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        at += length;
    }
    return true;
}

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

bool IsTapeRow(const std::string& line) {
    if (line.size() > kLongestTapeLine) return false;
    const auto tabs = std::count(line.begin(), line.end(), '\t');
    if (tabs < 1 || tabs >= kTapeFieldCount) return false;
    // A byte order mark belongs only at the start of the file.
    if (line.find(kByteOrderMark) != std::string::npos) return false;
    return std::none_of(line.begin(), line.end(), IsControl);
}

[[noreturn]] void NoTape(const std::string& reason) {
    throw PlatformError(reason);
}

// The file's bytes, at most `most` of them: one more than the largest tape
// tells a file that is too large. Asking for `most` at once would take that
// much memory for every file, however small; so the read asks for what the
// file holds, and then for what it gained since, if anything.
QByteArray ReadAtMost(QFile& file, qint64 most) {
    QByteArray bytes = file.read(std::clamp<qint64>(file.size(), 0, most));
    constexpr qint64 kChunk = 1 << 20;
    while (bytes.size() < most && file.error() == QFileDevice::NoError) {
        const QByteArray more = file.read(std::min(most - bytes.size(), kChunk));
        if (more.isEmpty()) break;
        bytes += more;
    }
    return bytes;
}

}  // namespace

std::string TapeFileText(const TTapeDocument& tape) {
    std::string text;
    const int32_t used = tape.UsedRows();
    for (int32_t row = 0; row < used; ++row) {
        text += tape.RowText(row);
        text += kLineEnd;
    }
    return text;
}

void SaveTapeFile(const TTapeDocument& tape, const std::string& path) {
    TSavedFile file(path);
    file.Write(TapeFileText(tape));
    file.Commit();
}

TTapeFileContent ReadTapeFileText(std::string_view text) {
    if (static_cast<int64_t>(text.size()) > kLargestTapeFile)
        NoTape(Tr("TTapeFile", "ocupa més de 256 MB."));
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    if (text.find('\0') != std::string_view::npos)
        NoTape(Tr("TTapeFile",
                  "no és text (conté bytes nuls, com una imatge o un altre fitxer binari)."));
    if (!IsUtf8(text)) NoTape(Tr("TTapeFile", "el text no és UTF-8."));

    TArrayCadena lines;
    lines.AddLines(text);
    int count = lines.Count();
    while (count > 0 && lines.Strings(count - 1).empty())
        --count;

    TTapeFileContent content;
    TTapeLineReader reader;
    reader.Reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string& line = lines.Strings(i);
        if (IsTapeRow(line)) {
            reader.Add(line);
        } else if (content.badLines++ == 0) {
            content.firstBadLine = i + 1;
        }
    }
    if (count > 0 && reader.Count() == 0)
        NoTape(Tr("TTapeFile", "cap línia no és una fila de cinta."));
    if (reader.Count() >= static_cast<size_t>(TTapeDocument::kMaxRows))
        NoTape(Tr("TTapeFile", "té més files de les que pot tenir una cinta."));
    content.tape = reader.Take();
    return content;
}

TTapeFileContent LoadTapeFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        ThrowFileError(QT_TRANSLATE_NOOP("TamBasic", "No s'ha pogut obrir el fitxer \"%1\"."), path,
                       file);
    const QByteArray bytes = ReadAtMost(file, kLargestTapeFile + 1);
    if (file.error() != QFileDevice::NoError)
        ThrowFileError(QT_TRANSLATE_NOOP("TamBasic", "No s'ha pogut llegir el fitxer \"%1\"."),
                       path, file);
    try {
        return ReadTapeFileText(
            std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    } catch (const PlatformError& error) {
        throw PlatformError(
            Filled(Tr("TTapeFile", "El fitxer «%1» no és una cinta: %2"), {path, error.what()}));
    }
}
