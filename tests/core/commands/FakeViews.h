#pragma once

#include "core/commands/NullViews.h"

#include <QPoint>
#include <QStringList>

#include <map>

namespace lineora::test {

// Records what the commands asked of the windows.
class FakeViews : public NullViews {
public:
    int PictureRepaints = 0, TableChanges = 0, MagnifierUpdates = 0;
    QPoint Scrolled;
    std::map<int, QString> Status;
    QString Caption;
    CursorId Cursor = CursorId::Strela;

    void PictureChanged() override { ++PictureRepaints; }
    void SetPictureCursor(CursorId id) override { Cursor = id; }
    void ScrollPictureBy(int dx, int dy) override { Scrolled += QPoint(dx, dy); }
    void UpdateMagnifier(int, int) override { ++MagnifierUpdates; }
    void ShowStatus(int panel, const QString& text) override { Status[panel] = text; }
    void SetCaption(const QString& caption) override { Caption = caption; }
    void TableChanged() override { ++TableChanges; }
};

} // namespace lineora::test
