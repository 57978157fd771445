// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "app/ApplicationIcon.h"

#include <QString>

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : ApplicationIconSizes)
        icon.addFile(QStringLiteral(":/icons/quintora-%1.png").arg(size), QSize(size, size));
    return icon;
}
