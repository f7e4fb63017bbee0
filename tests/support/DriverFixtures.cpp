#include "DriverFixtures.h"

#include "persistence/DriverFile.h"
#include "persistence/IniFile.h"

#include <cmath>
#include <numbers>

namespace bextor::test {

TDriverObject ConsistentDriver(const TEnvironment& environment) {
  return ConsistentDriver(30.0, 0.4, 4.0, 0.1, environment);
}

TDriverObject ConsistentDriver(double Fs, double Qes, double Qms, double Vas, const TEnvironment& environment) {
  TDriverObject driver(environment);
  TDriverData& d = driver.Data;
  d.Fs = Fs;
  d.Qes = Qes;
  d.Qms = Qms;
  d.Qts = 1.0 / (1.0 / d.Qes + 1.0 / d.Qms);
  d.Vas = Vas;
  d.Re = 6.0;
  d.Sd = 0.05;
  d.Le = 0.001;
  d.Cms = d.Vas / (d.roo * d.c * d.c * d.Sd * d.Sd);
  const double ws = 2.0 * std::numbers::pi * d.Fs;
  d.Mms = 1.0 / (ws * ws * d.Cms);
  d.BL = std::sqrt(ws * d.Mms * d.Re / d.Qes);
  driver.Sim.SimRho = d.roo;
  driver.Sim.SimC = d.c;
  return driver;
}

namespace {

const TEnvironment& Air() {
  static const TEnvironment air;
  return air;
}

}  // namespace

std::unique_ptr<TProject> Design(int box_type) {
  auto project = std::make_unique<TProject>(nullptr, Air());
  project->Driver.Assign(ConsistentDriver());
  project->Driver.Data.Xmax = 0.008;
  project->Driver.Data.Pe = 200.0;
  project->Driver.Data.Le = 0.001;
  TBox& box = project->Box;
  box.BType = box_type;
  box.Nd = 1;
  box.Vr = 0.08;
  box.Fr = 30.0;
  box.Vf = 0.04;
  box.Ff = 60.0;
  box.Qlr = box.Qlf = 10.0;
  box.Qar = box.Qaf = 100.0;
  box.Qpr = box.Qpf = 100.0;
  box.Qiclfr = 100.0;
  box.d = 1.0;
  box.alfaVC = 0.0039;
  for (TVent* vent : {&box.RearVent, &box.FrontVent}) {
    vent->dia1 = 0.1;
    vent->Vb = vent == &box.RearVent ? box.Vr : box.Vf;
    vent->Fb = vent == &box.RearVent ? box.Fr : box.Ff;
    vent->CalculateVent(box.GetSoundVelocity());
  }
  box.Sdrport = box.RearVent.Num * box.RearVent.carea;
  box.Sdfport = box.FrontVent.Num * box.FrontVent.carea;
  box.IntraVent.dia1 = 0.08;
  box.IntraVent.len = 0.05;
  box.IntraVent.Vb = 1.0;
  box.IntraVent.CalculateVent(box.GetSoundVelocity());
  box.Sdiport = box.IntraVent.carea;
  box.Npr = 1;
  box.PassiveRadiator.Vas = 0.05;
  box.PassiveRadiator.fs = 20.0;
  box.PassiveRadiator.Qms = 5.0;
  box.PassiveRadiator.Sd = 0.05;
  box.PassiveRadiator.Xmax = 0.015;
  box.PassiveRadiator.Me = 0.05;
  project->Signal.P = 1.0;
  return project;
}

void WriteDriverFiles(const std::string& folder, int count) {
  TDriverObject driver = ConsistentDriver();
  for (int i = 0; i < count; ++i) {
    driver.Data.Brand = "Brand " + std::to_string(i % 97);
    driver.Data.Model = "Model " + std::to_string(i);
    driver.Data.Fs = 20.0 + i % 50;
    TIniFile ini(folder + "driver" + std::to_string(i) + ".bdr");
    WriteDriverIni(ini, driver);
    ini.UpdateFile();
  }
}

}  // namespace bextor::test
