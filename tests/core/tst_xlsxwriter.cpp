// The workbook writer, read back by an independent spreadsheet reader: one sheet of text cells in row order, a
// file that is replaced only by a complete workbook, and texts that XML cannot carry as they are.

#include "core/xlsxwriter.h"
#include "tests/support/workbookreader.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestXlsxWriter : public QObject
{
    Q_OBJECT

private slots:
    void cellReferences_data();
    void cellReferences();
    void cellTexts_data();
    void cellTexts();
    void everyCellIsTextInRowOrder();
    void manyRowsStream();
    void unfinishedWorkbookLeavesTheOldFile();
    void unwritableFolderFails();

private:
    QString file(const QString &name) const { return QDir(dir.path()).filePath(name); }
    static QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

void TestXlsxWriter::cellReferences_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("reference");
    QTest::newRow("first") << 1 << 1 << "A1";
    QTest::newRow("last letter") << 26 << 2 << "Z2";
    QTest::newRow("two letters") << 27 << 3 << "AA3";
    QTest::newRow("AZ") << 52 << 10 << "AZ10";
    QTest::newRow("three letters") << 703 << 100000 << "AAA100000";
}

void TestXlsxWriter::cellReferences()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, reference);
    QCOMPARE(XlsxWriter::cellReference(column, row), reference);
}

void TestXlsxWriter::cellTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cell");
    QTest::newRow("plain") << "North-1-101"
                           << "North-1-101";
    QTest::newRow("control character") << QString("a") + QChar(1) + "b"
                                       << "a_x0001_b";
    QTest::newRow("tab and newline stay") << "a\tb\nc"
                                          << "a\tb\nc";
    QTest::newRow("escape look-alike") << "_x0041_"
                                       << "_x005F_x0041_";
    QTest::newRow("lone surrogate") << QString("x") + QChar(0xD800) << QString("x") + QChar(0xFFFD);
    QTest::newRow("pair kept") << QString::fromUtf8("\xF0\x9F\x94\x94") << QString::fromUtf8("\xF0\x9F\x94\x94");
}

void TestXlsxWriter::cellTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, cell);
    QCOMPARE(XlsxWriter::cellText(text), cell);
}

void TestXlsxWriter::everyCellIsTextInRowOrder()
{
    const QString path = file("texts.xlsx");
    XlsxWriter book(path);
    QVERIFY(book.begin("log"));
    QVERIFY(book.addRow({"Time", "Address", "Device", "Event", "Type"}));
    QVERIFY(book.addRow({"2026-12-10 12:00:00", "North-Ground-101", "light_Desk", "=1+1", "device status"}));
    QVERIFY(book.addRow({"0042", "1.5", " padded ", "", "it's \"quoted\" & <tagged>"}));
    QVERIFY(book.commit());

    const workbookreader::Workbook read = workbookreader::read(path);
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.sheets, QStringList{"log"});
    QCOMPARE(read.rows.size(), 3);
    QCOMPARE(read.values(0), QStringList({"Time", "Address", "Device", "Event", "Type"}));
    QCOMPARE(read.values(1),
             QStringList({"2026-12-10 12:00:00", "North-Ground-101", "light_Desk", "=1+1", "device status"}));
    QCOMPARE(read.values(2), QStringList({"0042", "1.5", " padded ", "", "it's \"quoted\" & <tagged>"}));
    QCOMPARE(read.types(), QStringList{"s"});
}

void TestXlsxWriter::manyRowsStream()
{
    const QString path = file("long.xlsx");
    XlsxWriter book(path);
    QVERIFY(book.begin("message"));
    for (int i = 0; i < 5000; ++i)
        QVERIFY(book.addRow({QString::number(i), QString(300, QChar('x'))}));
    QVERIFY(book.commit());
    QCOMPARE(book.rowCount(), 5000);
    const workbookreader::Workbook read = workbookreader::read(path);
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.rows.size(), 5000);
    QCOMPARE(read.values(4999).value(0), QString("4999"));
}

void TestXlsxWriter::unfinishedWorkbookLeavesTheOldFile()
{
    const QString path = file("old.xlsx");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the previous export");
    }
    {
        XlsxWriter book(path);
        QVERIFY(book.begin("log"));
        QVERIFY(book.addRow({"Time"}));
        book.cancel();
        QVERIFY(!book.commit());
    }
    {
        // Given up without a word: the destructor drops it too.
        XlsxWriter book(path);
        QVERIFY(book.begin("log"));
        QVERIFY(book.addRow({"Time"}));
    }
    QCOMPARE(contents(path), QByteArray("the previous export"));
    QCOMPARE(QDir(dir.path()).entryList({"old.xlsx*"}, QDir::Files | QDir::Hidden), QStringList{"old.xlsx"});
}

void TestXlsxWriter::unwritableFolderFails()
{
    XlsxWriter book(file("missing/folder/book.xlsx"));
    QVERIFY(!book.begin("log"));
    QVERIFY(!book.addRow({"Time"}));
    QVERIFY(!book.commit());
    QVERIFY(!book.errorString().isEmpty());
    QVERIFY(!QFile::exists(file("missing/folder/book.xlsx")));
}

QTEST_GUILESS_MAIN(TestXlsxWriter)
#include "tst_xlsxwriter.moc"
