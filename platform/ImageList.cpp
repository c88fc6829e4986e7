#include "platform/ImageList.h"

#include "platform/Exception.h"
#include "platform/Format.h"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

TChangeLink::~TChangeLink() {
    if (FSender)
        FSender->UnRegisterChanges(this);
}

TImageList::TImageList(int Width, int Height)
    : FWidth(std::max(1, Width)), FHeight(std::max(1, Height)) {}

TImageList::~TImageList() {
    // A listener may drop its other links while being told, so work on a copy.
    const std::vector<TChangeLink*> links = std::move(FLinks);
    FLinks.clear();
    for (TChangeLink* link : links)
        link->FSender = nullptr;
    for (TChangeLink* link : links)
        if (link->OnFree)
            link->OnFree();
}

int TImageList::Add(const QImage& picture) {
    QImage stored = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (stored.isNull()) {
        stored = QImage(FWidth, FHeight, QImage::Format_ARGB32_Premultiplied);
        stored.fill(Qt::transparent);
    } else if (stored.size() != QSize(FWidth, FHeight)) {
        stored = stored.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    FPictures.push_back(stored);
    Changed();
    return Count() - 1;
}

int TImageList::AddSvg(const QString& fileName) {
    QSvgRenderer renderer(fileName);
    if (!renderer.isValid())
        throw Exception(Format("Cannot load picture \"%s\"", fileName));
    QImage picture(FWidth, FHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    return Add(picture);
}

void TImageList::Clear() {
    FPictures.clear();
    Changed();
}

QImage TImageList::Picture(int index) const {
    return index >= 0 && index < Count() ? FPictures[size_t(index)] : QImage();
}

void TImageList::RegisterChanges(TChangeLink* link) {
    if (!link || link->FSender == this)
        return;
    if (link->FSender)
        link->FSender->UnRegisterChanges(link);
    link->FSender = this;
    FLinks.push_back(link);
}

void TImageList::UnRegisterChanges(TChangeLink* link) {
    if (!link || link->FSender != this)
        return;
    FLinks.erase(std::remove(FLinks.begin(), FLinks.end(), link), FLinks.end());
    link->FSender = nullptr;
}

void TImageList::Changed() {
    const std::vector<TChangeLink*> links = FLinks;
    for (TChangeLink* link : links)
        if (link->OnChange)
            link->OnChange();
}

QString SvgPictureResource(const QString& Folder, const char* Name) {
    return QString(":/%1/%2.svg").arg(Folder, QLatin1String(Name));
}

void TImageList::AddSvgPictures(const QString& Folder, const char* const* Names, int Count) {
    for (int index = 0; index < Count; ++index)
        AddSvg(SvgPictureResource(Folder, Names[index]));
}
