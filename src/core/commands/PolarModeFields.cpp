#include "core/commands/Commands.h"
#include "core/commands/PhotometryCommands.h"
#include "core/commands/PhotometrySupport.h"
#include "core/common/MessageKeys.h"
#include "core/common/NumberText.h"
#include "core/curves/TextFile.h"

#include <QFileInfo>

namespace lineora {

namespace {

QLatin1String NameKey(PolarField field) {
    switch (field) {
    case PolarField::IntenMax:
        return MsgKey::FieldIntenMax;
    case PolarField::Int0:
        return MsgKey::FieldInt0;
    case PolarField::Alfa180:
        return MsgKey::FieldAlfa180;
    case PolarField::Upper:
        return MsgKey::FieldUpper;
    case PolarField::Lower:
        return MsgKey::FieldLower;
    case PolarField::Right:
        return MsgKey::FieldRight;
    case PolarField::Left:
        break;
    }
    return MsgKey::FieldLeft;
}

// The outer circle's intensity rescales every point; the axial field follows its point.
void ApplyIntenMax(State& state, Views& views) {
    state.Texts.PolarMaxX = state.Photometry.Spec3.IntenMax;
    ReadAxisValues(state.Texts, state.Cal);
    RecomputeAllValues(state.Store, state.Cal, state.Setup, state.Main.SpecialMode);
    state.Photometry.Spec3.Int0 = FormatFixed(state.Store.PointValues[1][kCurveCount].ValY, 8, 2);
    SortCurrentLine(state.Store, state.Setup, state.Store.LineNext[state.Store.CurrentLine]);
    RefreshTable(state, views);
}

// The memo's lines as they stand, each ended by CR LF; a last line break ends the last line
// rather than starting another.
QString LinesWithCrLf(const QString& memo) {
    QString text = WithCrLf(memo);
    if (!text.isEmpty() && !text.endsWith(QStringLiteral("\r\n"))) {
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace

MinusRule FieldMinusRule(PolarField field) {
    return field == PolarField::IntenMax ? MinusRule::WhileEmpty : MinusRule::Refused;
}

void PolarFieldEntered(State& state, Views& views, PolarField field) {
    if (state.Main.SpecialMode != 3) {
        return;
    }
    PolarDialogState& dialog = state.Photometry.Spec3;
    const Extended value = FieldNumber(state, FieldText(dialog, field), NameKey(field));
    switch (field) {
    case PolarField::IntenMax:
        ApplyIntenMax(state, views);
        return;
    case PolarField::Int0:
        PlaceSpecialPoint(state.Store, 1, PolarPosition(state, 0, value));
        break;
    case PolarField::Alfa180: {
        const PicturePoint back = PolarPosition(state, 180, value);
        for (int row = 2; row <= 5; ++row) {
            PlaceSpecialPoint(state.Store, row, back);
        }
        break;
    }
    default:
        // The limits are read where they are needed: by the table and by point admission.
        RefreshTable(state, views);
        return;
    }
    RedrawPicture(state, views);
    RefreshAll(state, views);
}

void ApplyAxisMaxX(State& state, Views& views) {
    if (state.Main.SpecialMode == 3) {
        state.Photometry.Spec3.IntenMax = state.Texts.MaxX;
    }
    RefreshAll(state, views);
}

void SavePolarTable(State& state, Host& host) {
    for (;;) {
        QString path = host.SaveFileNameUnconfirmed(QStringLiteral("Файл ILLUM (*.txt)"),
                                                    state.Pics.PictureDir, QString());
        if (path.isEmpty()) {
            return;
        }
        // Desktop file dialogs do not add the extension the filter names.
        if (QFileInfo(path).suffix().isEmpty()) {
            path += QStringLiteral(".txt");
        }
        if (QFileInfo::exists(path) &&
            !host.AskOkCancel(QStringLiteral("Внимание!"),
                              QStringLiteral("Файл с данным именем существует. Перезаписать? "))) {
            continue;
        }
        WriteTextFile(path, LinesWithCrLf(state.Output.MemoText));
        return;
    }
}

} // namespace lineora
