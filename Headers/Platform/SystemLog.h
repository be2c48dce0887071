// The system log, for the audit trail of commits: what the journal (or syslog) keeps.
#pragma once

#include <cstddef>

// Writes one entry, tagged identity, of the authorization facility (authpriv) at notice
// priority, to the system's log socket (/dev/log), or to the datagram socket that
// KORVANE_SYSLOG_SOCKET names (the tests' own). Nothing happens when no log listens.
void PlatformLogAuditEntry(const char* identity, const char* message);

// The person behind this process: when it runs as root for someone through sudo (SUDO_USER) or
// pkexec (PKEXEC_UID), that person, else the user it runs as; written as "name" or "name (via
// sudo)" into name, which holds size bytes.
void PlatformRequestingPerson(char* name, size_t size);
