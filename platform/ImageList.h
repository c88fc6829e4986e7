#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

class TImageList;

// A listener registered with an image list: told when the pictures change
// and when the list is destroyed (Sender is null by then). It unregisters
// itself when it is destroyed first.
class TChangeLink {
public:
    TChangeLink() = default;
    ~TChangeLink();
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    TImageList* Sender() const { return FSender; }
    std::function<void()> OnChange;
    std::function<void()> OnFree;

private:
    friend class TImageList;
    TImageList* FSender = nullptr;
};

// An indexed list of pictures of one fixed size; a picture of another size
// is scaled to it. An index outside the list gives a null image.
class TImageList {
public:
    explicit TImageList(int Width = 16, int Height = 16);
    ~TImageList();
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return int(FPictures.size()); }

    // Both return the new picture's index.
    int Add(const QImage& picture);
    // Renders an SVG file (usually a resource, ":/...") at the list's size;
    // raises when it cannot be read.
    int AddSvg(const QString& fileName);
    // Adds ":/<Folder>/<name>.svg" for each of the Count names, in order.
    void AddSvgPictures(const QString& Folder, const char* const* Names, int Count);
    void Clear();
    QImage Picture(int index) const;

    // A link is registered with at most one list at a time.
    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);

private:
    void Changed();

    int FWidth;
    int FHeight;
    std::vector<QImage> FPictures;
    std::vector<TChangeLink*> FLinks;
};

// The SVG picture Name in the resource folder Folder (":/Folder/Name.svg").
QString SvgPictureResource(const QString& Folder, const char* Name);
