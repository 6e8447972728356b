#pragma once
// The gallery's registrar: each control's gallery_<control>.cpp registers the
// pictures it wants through a static object, main() renders them all.
#include <QString>

#include <functional>
#include <vector>

class QWidget;

struct GalleryEntry {
    QString fileName;               // PNG file written into the output folder
    std::function<QWidget*()> make; // a new, set-up control; the gallery deletes it
};

void registerGallery(std::vector<GalleryEntry> entries);

// Everything registered so far, in registration order.
const std::vector<GalleryEntry>& galleryEntries();
