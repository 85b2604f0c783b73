// Sends the time in seconds and the reading of analog input A0 ten times a
// second, one line each, for Plotvik's "Opsamling" (115200 baud). The first
// line names the fields after the variables of examples/Opsamling.prj.
void setup() {
  Serial.begin(115200);
  Serial.println("t\tA0");
}

void loop() {
  Serial.print(millis() / 1000.0, 3);
  Serial.print('\t');
  Serial.println(analogRead(A0));
  delay(100);
}
