#pragma once
// Saves generated pictures and sounds below an output folder and writes one .qrc file per topic listing them.

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

class ResourceWriter
{
public:
    explicit ResourceWriter(const QString &outputDir);

    // resourcePath is the path the station asks for, without the leading ":/" ("myImages/png/light/x.png");
    // its first component is the qrc prefix and its suffix picks the file format (png, jpg or ico).
    void addImage(const QString &topic, const QString &resourcePath, const QImage &image);
    void addData(const QString &topic, const QString &resourcePath, const QByteArray &data);

    // Writes <topic>.qrc for every topic used so far; false (with a message on stderr) when any file failed.
    bool finish();

private:
    QString place(const QString &topic, const QString &resourcePath);

    QString m_outputDir;
    QMap<QString, QStringList> m_topics;
    bool m_ok = true;
};
