// ClSysEnvMgr: the environment manager of the accounting libraries.
//
// Only its application-type enumeration is part of the interface: the
// program declares with it which edition of the accounting application it
// links to when it connects (ClPelkConnect::SetAppType).
#pragma once

class ClSysEnvMgr {
public:
    enum _AppType {
        APPTYPE_ALDER = 0,
        APPTYPE_CEDAR = 3,
        APPTYPE_BIRCH = 4,
    };
};
