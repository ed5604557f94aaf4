#include "db/connection_settings.h"

#include "quote/conversions.h"
#include "ui/main_window_layout.h"
#include "ui/window_system.h"

namespace quotexa {

ConnectionSettings ReadConnectionSettings(WindowSystem& windows) {
    ConnectionSettings settings;
    settings.port = TextToInteger(windows.GetText(MainControl(main_window::kServerPortBox)));
    settings.serverAddress = windows.GetText(MainControl(main_window::kServerAddressBox));
    settings.account = windows.GetText(MainControl(main_window::kServerAccountBox));
    settings.password = windows.GetText(MainControl(main_window::kServerPasswordBox));
    return settings;
}

}  // namespace quotexa
