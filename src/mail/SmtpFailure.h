#pragma once
// The readable Spanish description of a failed SMTP conversation.
#include <QString>

struct SmtpFailureFacts {
  int curlCode = 0;
  QString curlDetail;   // libcurl's own detail line
  QString curlText;     // libcurl's text for the code
  QString server;
  int port = 0;
  int timeoutSeconds = 0;
  QString userName;
  QString lastCommand;  // last SMTP command sent (credentials never kept)
  QString lastReply;    // last reply of the server, lines joined
};

QString DescribeSmtpFailure(const SmtpFailureFacts& facts);
