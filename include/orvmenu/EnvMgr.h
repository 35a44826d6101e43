// CEnvMgr: the terminal's directories.
//
// Each directory comes from the host's setter when it called one, else from its environment
// variable (ORV_DATA_DIR, ORV_DATA_USER_DIR, ORV_FORM_DIR, ORV_IMAGE_DIR), else from a folder
// beside the executable (Data, Data/User, Form, Image). Results carry no trailing separator.
#pragma once

#include <string>

#include "orvmenu/OrvLibApi.h"

class ORV_SERVICES_API CEnvMgr {
public:
    static std::string GetDataDir();
    static std::string GetDataUserDir();
    static std::string GetFormDir();
    static std::string GetImageDir();

    // An empty value forgets the setting, so the environment and the default apply again.
    static void SetDataDir(std::string dir);
    static void SetDataUserDir(std::string dir);
    static void SetFormDir(std::string dir);
    static void SetImageDir(std::string dir);

    // The folder of the running executable (platform back end).
    static std::string GetExecutableDir();
};
