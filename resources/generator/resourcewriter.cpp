#include "resourcewriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

ResourceWriter::ResourceWriter(const QString &outputDir) : m_outputDir(outputDir)
{
    QDir().mkpath(m_outputDir);
}

QString ResourceWriter::place(const QString &topic, const QString &resourcePath)
{
    const QString filePath = m_outputDir + QLatin1Char('/') + resourcePath;
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    m_topics[topic].append(resourcePath);
    return filePath;
}

void ResourceWriter::addImage(const QString &topic, const QString &resourcePath, const QImage &image)
{
    const QString filePath = place(topic, resourcePath);
    const QString suffix = QFileInfo(resourcePath).suffix().toLower();
    QImageWriter writer(filePath, suffix.toLatin1());
    if (suffix == QLatin1String("jpg")) {
        writer.setQuality(82);
        writer.setOptimizedWrite(true);
    } else if (suffix == QLatin1String("png")) {
        writer.setQuality(0);
    }
    // JPEG has no alpha channel: flatten onto opaque pixels rather than letting the encoder guess.
    const QImage out = suffix == QLatin1String("png") ? image : image.convertToFormat(QImage::Format_RGB32);
    if (!writer.write(out)) {
        std::fprintf(stderr, "resourcegen: cannot write %s: %s\n", qPrintable(filePath),
                     qPrintable(writer.errorString()));
        m_ok = false;
    }
}

void ResourceWriter::addData(const QString &topic, const QString &resourcePath, const QByteArray &data)
{
    const QString filePath = place(topic, resourcePath);
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        std::fprintf(stderr, "resourcegen: cannot write %s\n", qPrintable(filePath));
        m_ok = false;
    }
}

bool ResourceWriter::finish()
{
    for (auto it = m_topics.cbegin(); it != m_topics.cend(); ++it) {
        // One <qresource> per prefix; the alias keeps the path below the prefix exactly as the station asks.
        QMap<QString, QStringList> byPrefix;
        for (const QString &path : it.value())
            byPrefix[path.section(QLatin1Char('/'), 0, 0)].append(path);

        QSaveFile file(m_outputDir + QLatin1Char('/') + it.key() + QLatin1String(".qrc"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
            m_ok = false;
            continue;
        }
        QTextStream out(&file);
        out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n";
        for (auto p = byPrefix.cbegin(); p != byPrefix.cend(); ++p) {
            out << "    <qresource prefix=\"/" << p.key() << "\">\n";
            for (const QString &path : p.value()) {
                const QString alias = path.section(QLatin1Char('/'), 1).toHtmlEscaped();
                out << "        <file alias=\"" << alias << "\">" << path.toHtmlEscaped() << "</file>\n";
            }
            out << "    </qresource>\n";
        }
        out << "</RCC>\n";
        out.flush();
        if (!file.commit()) {
            std::fprintf(stderr, "resourcegen: cannot write %s.qrc\n", qPrintable(it.key()));
            m_ok = false;
        }
    }
    return m_ok;
}
