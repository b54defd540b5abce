#pragma once

#include <QUrl>

// Opens a web page in the user's browser. Returns at once; whether a browser came up is not
// the program's concern.
class PageOpener {
public:
    virtual ~PageOpener() = default;
    virtual void openPage(const QUrl &address) = 0;
};
