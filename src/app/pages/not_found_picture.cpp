// SPDX-License-Identifier: MIT
#include "app/pages/not_found_picture.h"

#include <QLabel>

#include "core/files/path_text.h"

namespace ravello::app {

QPixmap notFoundPicture(const std::filesystem::path& startupFolder)
{
    QPixmap picture(QString::fromStdString(files::utf8FromPath(startupFolder / "NonTrovata.jpg")));
    return picture.isNull() ? QPixmap(QStringLiteral(":/pictures/NonTrovata.jpg")) : picture;
}

void showPicture(QLabel* image, const QPixmap& picture)
{
    image->setPixmap(picture.scaled(image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace ravello::app
