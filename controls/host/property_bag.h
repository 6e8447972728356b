#pragma once
// The host's property store as a control sees it: read a property by name
// with a default, write it by name. The window keeps its controls' design
// values in one; tests use MemoryPropertyBag to look at what was written.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace kav::controls {

class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    virtual QVariant readProperty(const QString& name, const QVariant& defaultValue) = 0;
    virtual void writeProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) = 0;
};

// Keeps entries in the order they were first written.
class MemoryPropertyBag final : public PropertyBag {
public:
    QVariant readProperty(const QString& name, const QVariant& defaultValue) override;
    void writeProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) override;

    void set(const QString& name, const QVariant& value);
    bool contains(const QString& name) const;
    QVariant value(const QString& name) const;
    QStringList names() const;   // in write order
    QStringList readLog() const; // names asked for by readProperty, in order
    void clear();

private:
    QVector<QPair<QString, QVariant>> entries_;
    QStringList reads_;
};

} // namespace kav::controls
