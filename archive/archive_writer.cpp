#include "archive_writer.h"

#include <QThread>

namespace kav::archive {

// Owns the connection; every member runs on the archive's thread.
class ArchiveWriter::Worker : public QObject {
public:
    explicit Worker(ArchiveWriter& owner) : owner_(owner) {}

    void write(const QString& location, const std::function<Entry()>& make) {
        const Entry entry = make();
        if (!entry.result) {
            if (entry.why)
                emit owner_.failed(QString::fromStdString(entry.why->text));
            return;
        }
        if (!archive_ || opened_ != location) {
            archive_ = std::make_unique<Archive>();
            opened_ = location;
            if (const Error e = archive_->open(location)) {
                archive_.reset();
                emit owner_.failed(e.message);
                return;
            }
        }
        Added added;
        if (const Error e = archive_->add(*entry.result, added)) {
            // A lost server or a replaced file: the next result opens afresh.
            archive_.reset();
            emit owner_.failed(e.message);
            return;
        }
        emit owner_.archived(added.id, added.added);
    }

    void close() { archive_.reset(); }

private:
    ArchiveWriter& owner_;
    std::unique_ptr<Archive> archive_;
    QString opened_;
};

ArchiveWriter::ArchiveWriter(QObject* parent) : QObject(parent), thread_(new QThread), worker_(new Worker(*this)) {
    thread_->setObjectName(QStringLiteral("archive"));
    worker_->moveToThread(thread_);
    thread_->start();
}

ArchiveWriter::~ArchiveWriter() {
    flush();
    // The connection belongs to the thread that opened it.
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->close(); }, Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    delete worker_;
    delete thread_;
}

void ArchiveWriter::setLocation(const QString& location) { location_ = location; }

void ArchiveWriter::post(std::function<Entry()> make) {
    QMetaObject::invokeMethod(
        worker_, [w = worker_, location = location_, make = std::move(make)] { w->write(location, make); },
        Qt::QueuedConnection);
}

void ArchiveWriter::flush() {
    QMetaObject::invokeMethod(
        worker_, [] {}, Qt::BlockingQueuedConnection);
}

} // namespace kav::archive
