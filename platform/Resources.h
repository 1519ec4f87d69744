#pragma once

#include <QImage>
#include <QString>

/// The program's read-only resources: files under one root, by default the resources
/// embedded under ":/duskmap". Tests point the root at a directory of their own.
class Resources
{
public:
    explicit Resources(QString root = QStringLiteral(":/duskmap"));

    /// root/name.type (root/name when type is empty) if that file exists, else an empty string.
    QString pathForResource(const QString &name, const QString &type) const;
    /// The image root/name.png, or root/name with another extension when there is no
    /// PNG; a null image and one warning when it is missing or cannot be decoded.
    QImage imageNamed(const QString &name) const;
    QString root() const;

private:
    QString m_root;
};
