// The README's keyboard table is the command table's: every key and
// character a command takes, with what the command does in English.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QLocale>
#include <QTranslator>

#include "app/translations/translations.h"
#include "calculator/commandtable.h"

namespace {

const QString kStart = QStringLiteral("<!-- keyboard table: made from the command table -->\n");
const QString kEnd = QStringLiteral("<!-- end of the keyboard table -->\n");

QString Characters(const char* characters) {
    QStringList shown;
    for (const char* c = characters; *c != '\0'; ++c)
        shown.append(*c == ' ' ? QStringLiteral("space") : QStringLiteral("`%1`").arg(*c));
    return shown.join(QStringLiteral(", "));
}

QString Keys(const TCommand& command) {
    QStringList shown;
    // Shift+Tab comes as Backtab; the table names the keys pressed.
    for (const QKeyCombination key : command.keys)
        shown.append(QStringLiteral("`%1`").arg(
            QKeySequence(key).toString(QKeySequence::PortableText).replace("Backtab", "Tab")));
    if (command.characters[0] != '\0') shown.append(Characters(command.characters));
    return shown.join(QStringLiteral(", "));
}

QString What(const TCommand& command) {
    QString text = CommandText(command).trimmed();
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QStringLiteral("..."))) text.chop(3);
    return text;
}

// One row a command that has keys; the digits, which share their text, in one.
QString KeyboardTable() {
    QString table = QStringLiteral("| Key | Command |\n|---|---|\n");
    QString lastWhat;
    QString keys;
    const auto flush = [&] {
        if (!keys.isEmpty()) table += QStringLiteral("| %1 | %2 |\n").arg(keys, lastWhat);
        keys.clear();
    };
    for (const TCommand& command : CommandTable()) {
        if (command.keys.isEmpty() && command.characters[0] == '\0') continue;
        const QString what = What(command);
        if (what != lastWhat) flush();
        lastWhat = what;
        keys += (keys.isEmpty() ? QString() : QStringLiteral(", ")) + Keys(command);
    }
    flush();
    return table;
}

TEST(KeyboardTableTest, TheReadmeListsEveryCommandsKeys) {
    ASSERT_TRUE(InstallTranslations(*qApp, QLocale(QStringLiteral("en_GB"))));
    const QString expected = KeyboardTable();
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QFile readme(QStringLiteral(BRIMSUM_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype start = text.indexOf(kStart);
    const qsizetype end = text.indexOf(kEnd);
    ASSERT_TRUE(start >= 0 && end > start) << "the README has no keyboard table between its marks";
    const QString found = text.mid(start + kStart.size(), end - start - kStart.size());
    EXPECT_EQ(found.toStdString(), expected.toStdString()) << "the README's table should read:\n"
                                                           << expected.toStdString();
}

// Every command is in the table once, in the order of its id.
TEST(KeyboardTableTest, TheTableHoldsEveryCommandOnce) {
    ASSERT_EQ(CommandTable().size(), static_cast<size_t>(kCommandCount));
    for (int id = 0; id < kCommandCount; ++id)
        EXPECT_EQ(static_cast<int>(CommandTable()[static_cast<size_t>(id)].id), id);
}

}  // namespace
