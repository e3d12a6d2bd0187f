#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "support/SmtpServer.h"

#include "mail/SmtpMail.h"

TEST(SmtpSmoke, Plain) {
  TestSmtp::SmtpServer server;
  ASSERT_TRUE(server.start()) << server.errorString().toStdString();
  SmtpMail smtp;
  smtp.Reset();
  smtp.FromAddr = "nomina@empresa.mx";
  smtp.Subject = "Recibo de nómina";
  smtp.BodyText = "Línea uno\rLínea dos";
  smtp.ServerAddr = "127.0.0.1";
  smtp.ServerPort = server.portText();
  smtp.ConnectType = SmtpMail::ConnectNormal;
  smtp.AddRecipient("ana@empresa.mx", "ana@empresa.mx", 0);
  EXPECT_EQ(smtp.SendMail(), 0) << smtp.GetLastErrDescription().toStdString();
  const auto got = server.messages();
  ASSERT_EQ(got.size(), 1);
  EXPECT_EQ(got[0].subject, QStringLiteral("Recibo de nómina"));
  printf("%s\n", got[0].raw.constData());
}
