#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace pivot {

// Caption and number format of each data field.
class PropertyToolbox : public QWidget
{
    Q_OBJECT
public:
    struct Field
    {
        QString caption;
        QString numberFormat;
    };

    explicit PropertyToolbox(QWidget* parent = nullptr);
    void setFields(const QVector<Field>& fields);

    QComboBox* fieldBox() const { return m_field; }
    QLineEdit* captionEdit() const { return m_caption; }
    QComboBox* formatBox() const { return m_format; }

signals:
    void fieldEdited(int index, const QString& caption, const QString& numberFormat);

private:
    void showField(int index);
    void commit();

    QVector<Field> m_fields;
    QComboBox* m_field;
    QLineEdit* m_caption;
    QComboBox* m_format;
    bool m_filling = false;
    bool m_committing = false;
};

}
