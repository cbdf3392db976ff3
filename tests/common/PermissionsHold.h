#pragma once
// While one lives, file permissions hold for this thread even where the tests
// run as root: the rights to pass over them leave the thread's effective
// capabilities, and come back after. Elsewhere it changes nothing.
#include <initializer_list>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class PermissionsHold {
public:
    PermissionsHold()
    {
        if (::syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct dropped[2] = {saved_[0], saved_[1]};
        for (const unsigned cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            dropped[cap / 32].effective &= ~(1u << (cap % 32));
        changed_ = ::syscall(SYS_capset, &header_, dropped) == 0;
    }
    ~PermissionsHold()
    {
        if (changed_)
            ::syscall(SYS_capset, &header_, saved_);
    }
    PermissionsHold(const PermissionsHold &) = delete;
    PermissionsHold &operator=(const PermissionsHold &) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool changed_ = false;
};
