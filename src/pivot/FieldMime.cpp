#include "pivot/FieldMime.h"

#include <QDataStream>
#include <QIODevice>

namespace pivot {
namespace {
const QString MimeType = QStringLiteral("application/x-tessaline-pivot-field");
}

std::unique_ptr<QMimeData> fieldMimeData(const FieldRef& field)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(field.kind == FieldRef::Kind::Measure ? 1 : 0) << field.name << qint32(field.level);
    auto data = std::make_unique<QMimeData>();
    data->setData(MimeType, bytes);
    data->setText(field.name);
    return data;
}

std::optional<FieldRef> fieldFromMimeData(const QMimeData* data)
{
    if (!hasField(data))
        return std::nullopt;
    QDataStream in(data->data(MimeType));
    qint32 kind = 0, level = 0;
    FieldRef field;
    in >> kind >> field.name >> level;
    if (in.status() != QDataStream::Ok || field.name.isEmpty() || level < 0)
        return std::nullopt;
    field.kind = kind == 1 ? FieldRef::Kind::Measure : FieldRef::Kind::Hierarchy;
    field.level = level;
    return field;
}

bool hasField(const QMimeData* data)
{
    return data && data->hasFormat(MimeType);
}

}
