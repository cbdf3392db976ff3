#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// Gives a freshly written file exactly the extended attributes of the file it
// is to replace, the POSIX access control list among them (it travels as the
// attribute "system.posix_acl_access"): every attribute of the old file is set
// on the new one, and any the new file got from its folder but the old one
// lacks (an inherited default ACL) is removed. The reason when one cannot be
// kept; nothing when the new file carries what the old one did.
std::optional<QString> keepExtendedAttributes(int freshFd, const QByteArray &oldPath);
