#pragma once
// The station's pictures, read from its resources and from project folders.
//
// Left to find out a file's format itself, the image reader asks every installed image plugin whether it knows the
// contents, and that loads each plugin, with the libraries it needs (SVG, GIF, ICO...), into the process for the
// rest of its run. These read a picture in the format its name ends with, so only the plugin of that format is
// loaded, and none for PNG. A name without a suffix, or contents of another format than the name says, are still
// read by asking the plugins.

#include <QImage>
#include <QPixmap>
#include <QString>

// The picture at path; a null image when there is none or it cannot be read.
QImage readPicture(const QString &path);

// readPicture as a pixmap, kept in the pixmap cache as QPixmap(path) keeps it: a second call for the same unchanged
// file does not read it again, and a file changed on disk (time or size) is read anew.
QPixmap picturePixmap(const QString &path);
