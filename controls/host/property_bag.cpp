#include "property_bag.h"

namespace kav::controls {

QVariant MemoryPropertyBag::readProperty(const QString& name, const QVariant& defaultValue) {
    reads_.append(name);
    for (const auto& entry : entries_) {
        if (entry.first == name)
            return entry.second;
    }
    return defaultValue;
}

// Every value is kept, defaults included, so a reader sees the full write order.
void MemoryPropertyBag::writeProperty(const QString& name, const QVariant& value, const QVariant&) { set(name, value); }

void MemoryPropertyBag::set(const QString& name, const QVariant& value) {
    for (auto& entry : entries_) {
        if (entry.first == name) {
            entry.second = value;
            return;
        }
    }
    entries_.append({name, value});
}

bool MemoryPropertyBag::contains(const QString& name) const {
    for (const auto& entry : entries_) {
        if (entry.first == name)
            return true;
    }
    return false;
}

QVariant MemoryPropertyBag::value(const QString& name) const {
    for (const auto& entry : entries_) {
        if (entry.first == name)
            return entry.second;
    }
    return {};
}

QStringList MemoryPropertyBag::names() const {
    QStringList out;
    out.reserve(entries_.size());
    for (const auto& entry : entries_)
        out.append(entry.first);
    return out;
}

QStringList MemoryPropertyBag::readLog() const { return reads_; }

void MemoryPropertyBag::clear() {
    entries_.clear();
    reads_.clear();
}

} // namespace kav::controls
