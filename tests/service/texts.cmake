# Module texts and group names: the side and language they are read from,
# and how often a package is opened for them. Installs Alpha's older
# release (same codes, other texts) beside a distribution holding the
# current one, so it holds the msi lock.
svc_group(svc_alpha_old 0003 A Oldalpha 1.0.5)

quandel_gtest(service_text_tests
  SOURCES ServiceTextTests.cpp ServiceTestSupport.cpp
  LIBS service
  DEPENDS QuandelENU fixture_svc_alpha fixture_svc_beta fixture_svc_alpha_old
  RESOURCE_LOCK msi
  TIMEOUT 120)
