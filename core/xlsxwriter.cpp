#include "core/xlsxwriter.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <zlib.h>

#include <QBuffer>
#include <QIODevice>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <functional>

namespace {

const QString mainNamespace = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
const QString relationshipsNamespace = QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
const QString officeRelationships =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString sheetPart = QStringLiteral("xl/worksheets/sheet1.xml");

// The package is written through this device rather than into the save file directly: the zip library closes the
// device it wrote to, and a save file may only be committed or cancelled, never closed.
class SaveFileDevice : public QIODevice
{
public:
    explicit SaveFileDevice(QSaveFile *file) : target(file) {}

    bool isSequential() const override { return false; }
    qint64 size() const override { return target->size(); }
    bool seek(qint64 pos) override { return target->seek(pos) && QIODevice::seek(pos); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override { return target->write(data, length); }

private:
    QSaveFile *target;
};

bool isXmlCharacter(uint c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

struct XlsxWriter::Private
{
    explicit Private(const QString &path) : file(path), device(&file), zip(&device) {}

    QSaveFile file;
    SaveFileDevice device;
    QuaZip zip;
    QuaZipFile sheet;
    // The sheet's XML gathers here and goes into the package in large pieces, which compress far faster than the
    // many small writes of the XML writer.
    QBuffer pending;
    QXmlStreamWriter xml;
    QString sheetName;
    QString error;
    int rows = 0;
    bool begun = false;
    bool failed = false;
    bool done = false;

    static constexpr qint64 flushSize = 256 * 1024;

    bool flush()
    {
        QByteArray &data = pending.buffer();
        if (!data.isEmpty() && sheet.write(data) != data.size())
            fail(QStringLiteral("cannot write the worksheet"));
        data.clear();
        pending.seek(0);
        return !failed;
    }

    void fail(const QString &text)
    {
        if (!failed)
            error = text;
        failed = true;
    }

    bool writePart(const QString &name, const std::function<void(QXmlStreamWriter &)> &body)
    {
        QuaZipFile part(&zip);
        if (!part.open(QIODevice::WriteOnly, QuaZipNewInfo(name))) {
            fail(QStringLiteral("cannot add %1 to the workbook").arg(name));
            return false;
        }
        QXmlStreamWriter writer(&part);
        writer.writeStartDocument(QStringLiteral("1.0"), true);
        body(writer);
        writer.writeEndDocument();
        part.close();
        if (writer.hasError() || part.getZipError() != 0) {
            fail(QStringLiteral("cannot write %1").arg(name));
            return false;
        }
        return true;
    }

    void writeRelationship(QXmlStreamWriter &w, const QString &id, const QString &type, const QString &target)
    {
        w.writeStartElement(QStringLiteral("Relationship"));
        w.writeAttribute(QStringLiteral("Id"), id);
        w.writeAttribute(QStringLiteral("Type"), officeRelationships + "/" + type);
        w.writeAttribute(QStringLiteral("Target"), target);
        w.writeEndElement();
    }

    bool writePackageParts()
    {
        const auto contentTypes = [](QXmlStreamWriter &w) {
            w.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
            w.writeStartElement(QStringLiteral("Types"));
            const auto byExtension = [&w](const QString &extension, const QString &type) {
                w.writeStartElement(QStringLiteral("Default"));
                w.writeAttribute(QStringLiteral("Extension"), extension);
                w.writeAttribute(QStringLiteral("ContentType"), type);
                w.writeEndElement();
            };
            const auto byPart = [&w](const QString &part, const QString &type) {
                w.writeStartElement(QStringLiteral("Override"));
                w.writeAttribute(QStringLiteral("PartName"), part);
                w.writeAttribute(QStringLiteral("ContentType"), type);
                w.writeEndElement();
            };
            const QString office = QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.");
            byExtension("rels", "application/vnd.openxmlformats-package.relationships+xml");
            byExtension("xml", "application/xml");
            byPart("/xl/workbook.xml", office + "sheet.main+xml");
            byPart("/" + sheetPart, office + "worksheet+xml");
            byPart("/xl/styles.xml", office + "styles+xml");
            w.writeEndElement();
        };
        const auto packageRelationships = [this](QXmlStreamWriter &w) {
            w.writeDefaultNamespace(relationshipsNamespace);
            w.writeStartElement(QStringLiteral("Relationships"));
            writeRelationship(w, "rId1", "officeDocument", "xl/workbook.xml");
            w.writeEndElement();
        };
        const auto workbook = [this](QXmlStreamWriter &w) {
            w.writeDefaultNamespace(mainNamespace);
            w.writeNamespace(officeRelationships, QStringLiteral("r"));
            w.writeStartElement(mainNamespace, QStringLiteral("workbook"));
            w.writeStartElement(mainNamespace, QStringLiteral("sheets"));
            w.writeStartElement(mainNamespace, QStringLiteral("sheet"));
            w.writeAttribute(QStringLiteral("name"), sheetName);
            w.writeAttribute(QStringLiteral("sheetId"), QStringLiteral("1"));
            w.writeAttribute(officeRelationships, QStringLiteral("id"), QStringLiteral("rId1"));
            w.writeEndElement();
            w.writeEndElement();
            w.writeEndElement();
        };
        const auto workbookRelationships = [this](QXmlStreamWriter &w) {
            w.writeDefaultNamespace(relationshipsNamespace);
            w.writeStartElement(QStringLiteral("Relationships"));
            writeRelationship(w, "rId1", "worksheet", "worksheets/sheet1.xml");
            writeRelationship(w, "rId2", "styles", "styles.xml");
            w.writeEndElement();
        };
        // The least a spreadsheet program expects: one font, the two required fills, one border, one cell format.
        const auto styles = [](QXmlStreamWriter &w) {
            w.writeDefaultNamespace(mainNamespace);
            w.writeStartElement(QStringLiteral("styleSheet"));
            w.writeStartElement(QStringLiteral("fonts"));
            w.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
            w.writeStartElement(QStringLiteral("font"));
            w.writeEmptyElement(QStringLiteral("sz"));
            w.writeAttribute(QStringLiteral("val"), QStringLiteral("11"));
            w.writeEmptyElement(QStringLiteral("name"));
            w.writeAttribute(QStringLiteral("val"), QStringLiteral("Calibri"));
            w.writeEndElement();
            w.writeEndElement();
            w.writeStartElement(QStringLiteral("fills"));
            w.writeAttribute(QStringLiteral("count"), QStringLiteral("2"));
            for (const char *pattern : {"none", "gray125"}) {
                w.writeStartElement(QStringLiteral("fill"));
                w.writeEmptyElement(QStringLiteral("patternFill"));
                w.writeAttribute(QStringLiteral("patternType"), QString::fromLatin1(pattern));
                w.writeEndElement();
            }
            w.writeEndElement();
            w.writeStartElement(QStringLiteral("borders"));
            w.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
            w.writeStartElement(QStringLiteral("border"));
            for (const char *side : {"left", "right", "top", "bottom", "diagonal"})
                w.writeEmptyElement(QString::fromLatin1(side));
            w.writeEndElement();
            w.writeEndElement();
            const auto format = [&w](bool withStyle) {
                w.writeEmptyElement(QStringLiteral("xf"));
                w.writeAttribute(QStringLiteral("numFmtId"), QStringLiteral("0"));
                w.writeAttribute(QStringLiteral("fontId"), QStringLiteral("0"));
                w.writeAttribute(QStringLiteral("fillId"), QStringLiteral("0"));
                w.writeAttribute(QStringLiteral("borderId"), QStringLiteral("0"));
                if (withStyle)
                    w.writeAttribute(QStringLiteral("xfId"), QStringLiteral("0"));
            };
            w.writeStartElement(QStringLiteral("cellStyleXfs"));
            w.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
            format(false);
            w.writeEndElement();
            w.writeStartElement(QStringLiteral("cellXfs"));
            w.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
            format(true);
            w.writeEndElement();
            w.writeStartElement(QStringLiteral("cellStyles"));
            w.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
            w.writeEmptyElement(QStringLiteral("cellStyle"));
            w.writeAttribute(QStringLiteral("name"), QStringLiteral("Normal"));
            w.writeAttribute(QStringLiteral("xfId"), QStringLiteral("0"));
            w.writeAttribute(QStringLiteral("builtinId"), QStringLiteral("0"));
            w.writeEndElement();
            w.writeEndElement();
        };
        return writePart("[Content_Types].xml", contentTypes) && writePart("_rels/.rels", packageRelationships) &&
               writePart("xl/workbook.xml", workbook) &&
               writePart("xl/_rels/workbook.xml.rels", workbookRelationships) && writePart("xl/styles.xml", styles);
    }
};

XlsxWriter::XlsxWriter(const QString &path) : d(new Private(path)) {}

XlsxWriter::~XlsxWriter()
{
    if (!d->done)
        cancel();
}

bool XlsxWriter::begin(const QString &sheetName)
{
    if (d->begun || d->failed)
        return false;
    d->begun = true;
    d->sheetName = sheetName;
    if (!d->file.open(QIODevice::WriteOnly)) {
        d->fail(d->file.errorString());
        return false;
    }
    if (!d->device.open(QIODevice::WriteOnly) || !d->zip.open(QuaZip::mdCreate)) {
        d->fail(QStringLiteral("cannot start the workbook"));
        return false;
    }
    d->sheet.setZip(&d->zip);
    if (!d->sheet.open(QIODevice::WriteOnly, QuaZipNewInfo(sheetPart), nullptr, 0, Z_DEFLATED, Z_BEST_SPEED)) {
        d->fail(QStringLiteral("cannot start the worksheet"));
        return false;
    }
    d->pending.open(QIODevice::WriteOnly);
    d->xml.setDevice(&d->pending);
    d->xml.writeStartDocument(QStringLiteral("1.0"), true);
    d->xml.writeDefaultNamespace(mainNamespace);
    d->xml.writeStartElement(QStringLiteral("worksheet"));
    d->xml.writeStartElement(QStringLiteral("sheetData"));
    return !d->xml.hasError();
}

bool XlsxWriter::addRow(const QStringList &cells)
{
    if (!d->begun || d->failed || d->done)
        return false;
    const int row = ++d->rows;
    QXmlStreamWriter &xml = d->xml;
    xml.writeStartElement(QStringLiteral("row"));
    xml.writeAttribute(QStringLiteral("r"), QString::number(row));
    for (int i = 0; i < cells.size(); ++i) {
        const QString text = cellText(cells.at(i));
        xml.writeStartElement(QStringLiteral("c"));
        xml.writeAttribute(QStringLiteral("r"), cellReference(i + 1, row));
        xml.writeAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
        xml.writeStartElement(QStringLiteral("is"));
        xml.writeStartElement(QStringLiteral("t"));
        if (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()))
            xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        xml.writeCharacters(text);
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    if (xml.hasError()) {
        d->fail(QStringLiteral("cannot write the worksheet"));
        return false;
    }
    return d->pending.size() < Private::flushSize || d->flush();
}

bool XlsxWriter::commit()
{
    if (!d->begun || d->done)
        return false;
    if (!d->failed) {
        d->xml.writeEndElement(); // sheetData
        d->xml.writeEndElement(); // worksheet
        d->xml.writeEndDocument();
        d->flush();
        d->sheet.close();
        if (d->xml.hasError() || d->sheet.getZipError() != 0)
            d->fail(QStringLiteral("cannot write the worksheet"));
    }
    if (d->sheet.isOpen())
        d->sheet.close();
    if (!d->failed)
        d->writePackageParts();
    if (d->zip.isOpen()) {
        d->zip.close();
        if (!d->failed && d->zip.getZipError() != 0)
            d->fail(QStringLiteral("cannot finish the workbook"));
    }
    d->done = true;
    if (d->failed) {
        if (d->file.isOpen()) {
            d->file.cancelWriting();
            d->file.commit();
        }
        return false;
    }
    if (!d->file.commit()) {
        d->fail(d->file.errorString());
        return false;
    }
    return true;
}

void XlsxWriter::cancel()
{
    if (d->done)
        return;
    d->fail(QStringLiteral("cancelled"));
    if (d->begun)
        static_cast<void>(commit()); // cancelled already: its outcome adds nothing
    d->done = true;
}

int XlsxWriter::rowCount() const
{
    return d->rows;
}

QString XlsxWriter::errorString() const
{
    return d->error;
}

QString XlsxWriter::cellReference(int column, int row)
{
    QString letters;
    for (int n = column; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar('A' + (n - 1) % 26));
    return letters + QString::number(row);
}

QString XlsxWriter::cellText(const QString &text)
{
    // A literal "_xHHHH_" would read back as the character it names; its underscore is escaped itself.
    static const QRegularExpression escapeLike(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    QString source = text;
    if (source.contains(QLatin1String("_x")))
        source.replace(escapeLike, QStringLiteral("_x005F_\\1"));

    QString out;
    out.reserve(source.size());
    for (int i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        uint code = c.unicode();
        int width = 1;
        if (c.isHighSurrogate() && i + 1 < source.size() && source.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, source.at(i + 1));
            width = 2;
        }
        if (out.size() + width > maxCellLength)
            break;
        if (isXmlCharacter(code) && !(width == 1 && c.isSurrogate()))
            out.append(source.midRef(i, width));
        else if (code < 0x10000 && !c.isSurrogate() && out.size() + 7 <= maxCellLength)
            out.append(QString::asprintf("_x%04X_", code));
        else if (c.isSurrogate())
            out.append(QChar(QChar::ReplacementCharacter));
        i += width - 1;
    }
    return out;
}
