// controls_gallery OUTDIR: renders every registered control state to a PNG
// file in OUTDIR, for reviewers and the documentation.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include <cstdio>
#include <memory>

#include "gallery.h"

namespace {

std::vector<GalleryEntry>& registry() {
    static std::vector<GalleryEntry> entries;
    return entries;
}

} // namespace

void registerGallery(std::vector<GalleryEntry> entries) {
    for (auto& e : entries)
        registry().push_back(std::move(e));
}

const std::vector<GalleryEntry>& galleryEntries() { return registry(); }

int main(int argc, char* argv[]) {
    // Pictures need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: controls_gallery OUTDIR\n");
        return 2;
    }
    QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }
    int failures = 0;
    for (const GalleryEntry& entry : galleryEntries()) {
        std::unique_ptr<QWidget> widget(entry.make());
        if (!widget) {
            std::fprintf(stderr, "%s: no widget\n", qPrintable(entry.fileName));
            ++failures;
            continue;
        }
        widget->setAttribute(Qt::WA_DontShowOnScreen);
        widget->show();
        QCoreApplication::processEvents();
        const QString path = out.filePath(entry.fileName);
        if (widget->grab().toImage().save(path, "PNG")) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
            ++failures;
        }
    }
    if (galleryEntries().empty())
        std::fprintf(stderr, "no controls built\n");
    return failures == 0 ? 0 : 1;
}
