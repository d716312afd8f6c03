#include "ui/app/Windows.h"

namespace lineora {

void CreateWindows(Windows& windows, State& state, Host& host) {
    windows.FormLineora = std::make_unique<TFormLineora>(state, host);
    windows.FormVariable = std::make_unique<TFormVariable>();
    windows.FormSetup = std::make_unique<TFormSetup>();
    windows.FormInput = std::make_unique<TFormInput>();
    windows.FormTable = std::make_unique<TFormTable>();
    windows.FormZoom = std::make_unique<TFormZoom>();
    windows.formClipboard = std::make_unique<TformClipboard>();
    windows.FormAvtomat = std::make_unique<TFormAvtomat>();
    windows.FormMoviPoint = std::make_unique<TFormMoviPoint>();
    windows.FormInputColor = std::make_unique<TFormInputColor>();
    windows.FormAvtomatColor = std::make_unique<TFormAvtomatColor>();
    windows.FormSpecSetPoint = std::make_unique<TFormSpecSetPoint>();
    windows.FormTestout = std::make_unique<TFormTestout>();
    windows.FormVygibatel = std::make_unique<TFormVygibatel>();
    windows.FormSpecInput = std::make_unique<TFormSpecInput>();
    windows.FormSpec2 = std::make_unique<TFormSpec2>();
    windows.FormSpec2Table = std::make_unique<TFormSpec2Table>();
    windows.FormBigZoom = std::make_unique<TFormBigZoom>();
    windows.FormSpec3 = std::make_unique<TFormSpec3>();
    windows.FormOutText = std::make_unique<TFormOutText>();
    windows.FormDoubleAxisX = std::make_unique<TFormDoubleAxisX>();
    windows.FormAbout = std::make_unique<TFormAbout>();
    windows.FormLineora->AttachWindows(&windows);
}

QList<QWidget*> TranslationOrder(const Windows& windows) {
    return {windows.FormLineora.get(),      windows.FormSetup.get(),
            windows.FormTable.get(),        windows.FormInput.get(),
            windows.formClipboard.get(),    windows.FormZoom.get(),
            windows.FormAvtomat.get(),      windows.FormMoviPoint.get(),
            windows.FormInputColor.get(),   windows.FormAvtomatColor.get(),
            windows.FormVygibatel.get(),    windows.FormSpecInput.get(),
            windows.FormSpec2.get(),        windows.FormSpec2Table.get(),
            windows.FormBigZoom.get(),      windows.FormAbout.get(),
            windows.FormSpecSetPoint.get(), windows.FormOutText.get(),
            windows.FormDoubleAxisX.get(),  windows.FormSpec3.get()};
}

} // namespace lineora
