#include "Driver.h"

#include "drivers/DriverParameters.h"
#include "settings/Settings.h"
#include "simulation/AirProperties.h"
#include "simulation/DriverModel.h"

namespace bextor {

TDriverObject::TDriverObject(const TEnvironment& environment) { Reset(environment); }

void TDriverObject::Reset(const TEnvironment& environment) {
  Data = TDriverData();
  Sim = TDriverSimulation();
  for (const auto& parameter : DriverParameters()) {
    SetParameterValue(Data, parameter, parameter.ResetValue);
    Data.ParState[static_cast<std::size_t>(parameter.Pos)] = parameter.ResetLetter;
  }
  Data.DateAdded = Data.DateModified = Now();
  Data.roo = AirDensity(environment.Temperature, environment.AirPressure, environment.Humidy);
  Data.c = SoundVelocity(environment.AirPressure, Data.roo);
}

void TDriverObject::Assign(const TPersistent& source) {
  const auto* driver = dynamic_cast<const TDriverObject*>(&source);
  if (!driver) return TPersistent::Assign(source);
  SetFileName(driver->FFileName);
  Data = driver->Data;
  Sim = driver->Sim;
  PrepareDriverModel(*this);
}

std::vector<TPropInfo> TDriverObject::PublishedProperties() {
  return {{"FileName", TPropKind::String, [this] { return TPropValue(FFileName); },
           [this](const TPropValue& v) { SetFileName(std::get<std::string>(v)); }}};
}

void TDriverObject::SetVCConnection(int mode) {
  const double coils = Data.numVC;
  if (Data.Re <= 0.0 || Data.BL <= 0.0 || Data.numVC < 2) return;
  if (Data.VCCon == 1 && mode == 2) {
    Data.BL *= coils;
    Data.Re *= coils * coils;
    Data.VCCon = 2;
  } else if (Data.VCCon == 2 && mode == 1) {
    Data.BL /= coils;
    Data.Re /= coils * coils;
    Data.VCCon = 1;
  }
}

void TDriverObject::SetFileName(const std::string& file_name) {
  if (file_name != FFileName) FFileName = file_name;
}

void TDriverObject::SetProjectRecords(TSignalSource* signal, TSimulatorOptions* options) {
  FSignal = signal;
  FOptions = options;
}

}  // namespace bextor
