#pragma once

#include "ui/app/FormAbout.h"
#include "ui/app/FormLineora.h"
#include "ui/app/FormVariable.h"
#include "ui/calibration/FormInput.h"
#include "ui/calibration/FormMoviPoint.h"
#include "ui/config/FormSetup.h"
#include "ui/curves/FormClipboard.h"
#include "ui/curves/FormTable.h"
#include "ui/photometry/FormDoubleAxisX.h"
#include "ui/photometry/FormOutText.h"
#include "ui/photometry/FormSpec2.h"
#include "ui/photometry/FormSpec2Table.h"
#include "ui/photometry/FormSpec3.h"
#include "ui/photometry/FormSpecInput.h"
#include "ui/photometry/FormSpecSetPoint.h"
#include "ui/photometry/FormTestout.h"
#include "ui/picture/FormBigZoom.h"
#include "ui/picture/FormVygibatel.h"
#include "ui/picture/FormZoom.h"
#include "ui/tracing/FormAvtomat.h"
#include "ui/tracing/FormAvtomatColor.h"
#include "ui/tracing/FormInputColor.h"

#include <QList>

#include <memory>

namespace lineora {

struct State;
class Host;

// Every window of the program, one instance each, created once at start in this order (the
// main window first) and kept until the program ends. Members are destroyed in reverse order,
// so the main window goes last.
struct Windows {
    std::unique_ptr<TFormLineora> FormLineora;
    std::unique_ptr<TFormVariable> FormVariable;
    std::unique_ptr<TFormSetup> FormSetup;
    std::unique_ptr<TFormInput> FormInput;
    std::unique_ptr<TFormTable> FormTable;
    std::unique_ptr<TFormZoom> FormZoom;
    std::unique_ptr<TformClipboard> formClipboard;
    std::unique_ptr<TFormAvtomat> FormAvtomat;
    std::unique_ptr<TFormMoviPoint> FormMoviPoint;
    std::unique_ptr<TFormInputColor> FormInputColor;
    std::unique_ptr<TFormAvtomatColor> FormAvtomatColor;
    std::unique_ptr<TFormSpecSetPoint> FormSpecSetPoint;
    std::unique_ptr<TFormTestout> FormTestout;
    std::unique_ptr<TFormVygibatel> FormVygibatel;
    std::unique_ptr<TFormSpecInput> FormSpecInput;
    std::unique_ptr<TFormSpec2> FormSpec2;
    std::unique_ptr<TFormSpec2Table> FormSpec2Table;
    std::unique_ptr<TFormBigZoom> FormBigZoom;
    std::unique_ptr<TFormSpec3> FormSpec3;
    std::unique_ptr<TFormOutText> FormOutText;
    std::unique_ptr<TFormDoubleAxisX> FormDoubleAxisX;
    std::unique_ptr<TFormAbout> FormAbout;
};

// Creates every window in the order above into `windows` (which must stay where it is: the
// main window keeps a pointer to it).
void CreateWindows(Windows& windows, State& state, Host& host);

// The windows in the order the language file is applied to them (FormVariable and FormTestout
// have no texts of their own and are left out).
QList<QWidget*> TranslationOrder(const Windows& windows);

} // namespace lineora
