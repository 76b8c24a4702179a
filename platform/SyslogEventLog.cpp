#include "platform/SyslogEventLog.h"

#include <syslog.h>

SyslogEventLog::~SyslogEventLog() {
    closeSource();
}

void SyslogEventLog::openSource(const std::string& name) {
    closeSource();
    ident_ = name;
    openlog(ident_.c_str(), LOG_PID, LOG_USER);
    open_ = true;
}

void SyslogEventLog::closeSource() {
    if (open_) {
        closelog();
        open_ = false;
    }
}

void SyslogEventLog::reportError(const std::vector<std::string>& texts) {
    if (!open_) {
        return;
    }
    std::string line;
    for (const std::string& text : texts) {
        line += line.empty() ? text : " | " + text;
    }
    syslog(LOG_ERR, "%s", line.c_str());
}
